#pragma once
#include <QObject>

class QLineEdit;
class QKeyEvent;

namespace veltrano {

class TMainForm;
class TfrmKeyMap;

// The console line of the main window's bottom bar (`MainEditCmd`): Enter runs
// what is typed, Esc empties it, its own menu offers Keymap Info.
class ConsoleFeature final : public QObject {
    Q_OBJECT
public:
    explicit ConsoleFeature(TMainForm &main);

    // Keymap Info is created later, in its place among the windows.
    void setKeyMap(TfrmKeyMap *keyMap) { m_keyMap = keyMap; }
    QLineEdit &consoleLine() const { return *m_mainEditCmd; }

    // `text` as if typed into the console and entered; the line is empty after.
    void RunThroughConsole(const QString &text);
    void RunConsoleCommand(const QString &text);
    void KeymapInfo1Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool MainEditCmdKeyDown(const QKeyEvent &key);

    TMainForm &m_main;
    QLineEdit *m_mainEditCmd = nullptr;
    TfrmKeyMap *m_keyMap = nullptr;
};

} // namespace veltrano
