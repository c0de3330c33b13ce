#pragma once
#include "common/ui/SmallDialog.h"

class QLabel;

namespace veltrano {

class MessageBoxes;
class Shell;

inline constexpr auto kAboutCaption = u"About";
inline constexpr auto kAboutVersion = u"1.1";
inline constexpr auto kAboutBuild = u"Build 700";
inline constexpr QSize kAboutClientSize{698, 405};
inline constexpr QSize kAboutBannerSize{698, 185};

// The About box: opened modally from the Help and tray menus, hidden again by
// "OK" or Esc. Made the first time it is opened.
class AboutDialog : public SmallDialog {
    Q_OBJECT
public:
    AboutDialog(Shell &shell, MessageBoxes &messages);

    void onThanksClicked();
    void onAddressClicked();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildContents();
    void buildLabels();
    void handleKey(QKeyEvent *event);
    QLabel *addLabel(const QString &name, const QString &text, QPoint at, int pixelSize, bool bold);

    Shell &m_shell;
    MessageBoxes &m_messages;
    QLabel *m_version = nullptr;
    QLabel *m_address = nullptr;
};

} // namespace veltrano
