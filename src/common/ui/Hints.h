#pragma once
#include <QKeySequence>
#include <QString>

class QAction;
class QMenu;
class QObject;
class QWidget;

namespace veltrano {

// Gives a widget or action its name, the handle tests find it by.
template <typename W> W *named(W *object, const char *name)
{
    object->setObjectName(QLatin1String(name));
    return object;
}

// Gives a control or command its hint: the short part as tool tip, the long
// part as status tip (the main window's status bar shows status tips). A
// button that shows no text (yet) gets the short part as accessible name.
void setHint(QWidget *widget, const QString &hint);
void setHint(QAction *action, const QString &hint);

// A command with its object name, caption, hint and shortcut.
QAction *makeAction(QObject *parent, const char *name, const QString &caption, const QString &hint = {},
                    const QKeySequence &shortcut = {});
// Shows `menu` where `widget` (or its viewport) is right-clicked. The menu
// pops up and returns at once, so nothing waits inside a nested event loop.
void attachContextMenu(QWidget *widget, QMenu *menu);
// A menu item of its own name that runs `target` and mirrors its caption,
// pictures, state and shortcut display.
QAction *makeMenuItem(QObject *parent, const char *name, QAction *target);

} // namespace veltrano
