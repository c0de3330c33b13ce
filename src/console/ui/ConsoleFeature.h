#pragma once
#include <QObject>

class QLineEdit;
class QKeyEvent;

namespace veltrano {

class MainWindow;
class KeymapInfoDialog;

// The console line of the main window's bottom bar (`MainEditCmd`): Enter runs
// what is typed, Esc empties it, its own menu offers Keymap Info.
class ConsoleFeature final : public QObject {
    Q_OBJECT
public:
    explicit ConsoleFeature(MainWindow &main);

    // Keymap Info is created later, in its place among the windows.
    void setKeyMap(KeymapInfoDialog *keyMap) { m_keyMap = keyMap; }
    QLineEdit &consoleLine() const { return *m_mainEditCmd; }

    // `text` as if typed into the console and entered; the line is empty after.
    void runThroughConsole(const QString &text);
    void runCommand(const QString &text);
    void showKeymapInfo();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool onConsoleKey(const QKeyEvent &key);

    MainWindow &m_main;
    QLineEdit *m_mainEditCmd = nullptr;
    KeymapInfoDialog *m_keyMap = nullptr;
};

} // namespace veltrano
