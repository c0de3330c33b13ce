#pragma once
#include <QList>
#include <QObject>

class QAction;
class QMenu;
class QWidget;

namespace veltrano {

// The to-do window's two right-click menus: `PopupMenu` for a click on an
// item, `PopupMenu1` for a click below the items (where the commands that
// need an item are off). Their items run the window's commands. Both are
// built the first time either is asked for: the window opens with the
// program, most sessions never right-click it, and forty menu items with
// their connections are not worth holding for that.
class ToDoMenus final : public QObject {
    Q_OBJECT
public:
    enum class Command { Add, Edit, Delete, ClearDone, ClearAll, Archive, Statistics, StayOnTop, Options, Close };

    explicit ToDoMenus(QWidget &window);

    QMenu *onItem();
    QMenu *belowItems();
    // Both "Stay On Top" items tick together.
    void setStayOnTopTicked(bool ticked);

signals:
    void chosen(veltrano::ToDoMenus::Command command);

private:
    void build();
    QMenu *createMenu(const char *name, bool onItem);

    QWidget &m_window;
    bool m_stayOnTop = false;
    QMenu *m_onItem = nullptr;
    QMenu *m_belowItems = nullptr;
    QList<QAction *> m_stayOnTopItems;
};

} // namespace veltrano
