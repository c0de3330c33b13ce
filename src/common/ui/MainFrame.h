#pragma once
#include "common/logic/Commands.h"
#include "common/logic/Pages.h"

#include <QObject>

#include <functional>

class QAction;
class QTimer;
class QWidget;

namespace veltrano {

// What a feature sees of the main window: its commands, its pages and bars,
// its two timers and the steps of its life. A feature builds its own pages
// and windows and plugs them in here; it never reaches into the window.
class MainFrame : public QObject {
    Q_OBJECT
public:
    // The action of a command; stops the program when there is none.
    virtual QAction *command(Command id) const = 0;
    // A page of the page control; its content comes from a feature.
    virtual QWidget *pageSheet(Page page) const = 0;
    virtual void setPageContent(Page page, QWidget *content) = 0;
    // Content built the first time its page is shown: `make` builds it and
    // hands it to setPageContent. A page most sessions never open costs
    // nothing at start-up.
    virtual void setPageContentMaker(Page page, std::function<void()> make) = 0;
    // The caption on a page's tab (the Today page shows the day's name).
    virtual void setPageCaption(Page page, const QString &caption) = 0;
    // The panel right of the pages (the worklist's place).
    virtual void setSidePanelContent(QWidget *content) = 0;
    // The console line of the bottom bar, left of its terminal button.
    virtual void setConsoleLine(QWidget *line) = 0;
    // The click reaction of a panel menu item or View > Objects item: selects
    // the item, runs the page action, then tells the features (pageChosen).
    virtual void choosePage(Page page) = 0;
    // A message in the status bar; 0 keeps it until the next one, an empty
    // text clears it.
    virtual void showStatusMessage(const QString &text, int timeoutMs) = 0;
    // Every second from start-up (`TimerTime`), and every hour (`TimerUpdate`).
    virtual QTimer &secondTimer() = 0;
    virtual QTimer &hourTimer() = 0;
    // The window itself, for what is placed beside it or opened above it.
    virtual QWidget &window() = 0;
    // Ends the program through the normal shutdown.
    virtual void requestExit() = 0;

signals:
    // Every feature is plugged in; no window but the main one exists.
    void created();
    // Once, right after the window's first frame is on screen. What that frame
    // does not show (tray, hot keys, greeting, services other windows use
    // later) starts here, so it never holds the window back.
    void started();
    // Every change from hidden to visible runs the show steps: `showing`
    // first, then the page goes back to Today (pageChosen), then `shown`.
    void showing();
    void shown();
    void pageChosen(veltrano::Page page);
    // Every size change, once the frame has laid its pages out.
    void resized();
    // Moved or resized by the user, after snapping to the work area.
    void placed();
    // Hidden to the tray or minimised, and back on screen again.
    void hidden();
    void restored();
};

} // namespace veltrano
