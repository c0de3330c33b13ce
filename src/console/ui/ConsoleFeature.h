#pragma once
#include <QObject>
#include <memory>

class QLineEdit;
class QKeyEvent;

namespace veltrano {

class AppContext;
class KeymapInfoDialog;
class MainFrame;

// The console line of the main window's bottom bar (`MainEditCmd`): Enter runs
// what is typed, Esc empties it, its own menu offers Keymap Info.
class ConsoleFeature final : public QObject {
    Q_OBJECT
public:
    ConsoleFeature(AppContext &context, MainFrame &frame);
    ~ConsoleFeature() override;

    // Keymap Info, made the first time it is opened.
    KeymapInfoDialog &keymapInfo();
    QLineEdit &consoleLine() const { return *m_mainEditCmd; }

    void runCommand(const QString &text);
    void showKeymapInfo();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool onConsoleKey(const QKeyEvent &key);

    AppContext &m_context;
    MainFrame &m_frame;
    QLineEdit *m_mainEditCmd = nullptr;
    std::unique_ptr<KeymapInfoDialog> m_keyMap;
};

} // namespace veltrano
