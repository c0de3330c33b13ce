#pragma once
#include <QDialog>

class QLabel;

namespace veltrano {

class MessageBoxes;
class ModalDialogs;
class Shell;

inline constexpr auto kAboutCaption = u"About";
inline constexpr auto kAboutVersion = u"1.1";
inline constexpr auto kAboutBuild = u"Build 700";
inline constexpr QSize kAboutClientSize{698, 405};
inline constexpr QSize kAboutBannerSize{698, 185};

// The About box: shown modally (through ModalDialogs) from the Help and tray
// menus, hidden again by "OK" or Esc, alive until the program ends. Created at
// start-up, it builds its pictures and labels when first shown.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    AboutDialog(Shell &shell, MessageBoxes &messages, ModalDialogs &dialogs, QWidget *parent = nullptr);

    void showAbout();
    void onThanksClicked();
    void onAddressClicked();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildContents();
    void buildLabels();
    void handleKey(QKeyEvent *event);
    QLabel *addLabel(const QString &name, const QString &text, QPoint at, int pixelSize, bool bold);

    Shell &m_shell;
    MessageBoxes &m_messages;
    ModalDialogs &m_dialogs;
    QLabel *m_version = nullptr;
    QLabel *m_address = nullptr;
};

} // namespace veltrano
