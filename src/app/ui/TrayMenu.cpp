#include "app/ui/TrayMenu.h"

#include "app/ui/Main.h"

#include <QAction>

namespace veltrano {
namespace {

// The tray offers the main window's own action, so the command, its caption
// and its shortcut are one. A name with no action is a mistake of ours, not a
// reason to show an item that does nothing.
void commandItem(TMainForm &mainForm, QMenu *menu, const char *namesake)
{
    auto *action = mainForm.findChild<QAction *>(QLatin1String(namesake));
    Q_ASSERT_X(action, "tray menu", namesake);
    if (action)
        menu->addAction(action);
}

QMenu *subMenu(QMenu *parent, const char *name, const char *title)
{
    QMenu *menu = parent->addMenu(QString::fromUtf8(title));
    menu->setObjectName(QLatin1String(name));
    return menu;
}

// The main window's actions named, in order.
void addCommands(TMainForm &mainForm, QMenu *menu, std::initializer_list<const char *> namesakes)
{
    for (const char *namesake : namesakes)
        commandItem(mainForm, menu, namesake);
}

} // namespace

TrayMenuItems BuildTrayMenu(TMainForm &mainForm)
{
    TrayMenuItems items;
    items.menu = new QMenu();
    items.menu->setObjectName(QStringLiteral("Tray_Menu"));

    items.main = items.menu->addAction(QStringLiteral("Main..."));
    items.main->setObjectName(QStringLiteral("Main1"));
    items.main->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    items.hide = items.menu->addAction(QStringLiteral("Hide"));
    items.hide->setObjectName(QStringLiteral("Hide1"));
    items.menu->addSeparator();

    QMenu *tools = subMenu(items.menu, "TrayTools1", "Tools");
    QMenu *system = subMenu(tools, "TraySystem1", "System");
    addCommands(mainForm, system, {"ActionSafeRemove", "ControlPanel1",
                                   "WindowsClock1",
                                   "ActionInstallUninstall",
                                   "GoToSleepMode1", "ntbackupexe1"});
    QMenu *view = subMenu(items.menu, "TrayView1", "View");
    QMenu *standard = subMenu(view, "TrayStandard1", "Standard");
    addCommands(mainForm, standard, {"ActionOpenNotePad", "ActionOpenWordPad",
                                     "ActionOpenCalc", "ActionOpenPaint",
                                     "Console1"});
    QMenu *widgets = subMenu(items.menu, "TrayWidgets1", "Widgets");
    addCommands(mainForm, widgets, {"ActionDeduviClockFormShow",
                                    "PasswordGenerator1"});
    QMenu *direction = subMenu(items.menu, "TrayDirection1", "Direction");
    addCommands(mainForm, direction, {"FastToDoListShow", "WeekEditor1"});
    QMenu *commands = subMenu(items.menu, "TrayCommands1", "Commands");
    QMenu *coffee = subMenu(commands, "TrayCoffee1", "Coffee");
    addCommands(mainForm, coffee, {"ActionOpenCD", "ActionCloseCD"});
    items.menu->addSeparator();
    QMenu *help = subMenu(items.menu, "TrayHelp1", "Help");
    addCommands(mainForm, help, {"AboutFormShow"});
    items.menu->addSeparator();
    addCommands(mainForm, items.menu, {"CloseApp"});
    return items;
}

} // namespace veltrano
