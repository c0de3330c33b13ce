#include "app/ui/TrayMenu.h"

#include "app/ui/Main.h"

#include <QAction>

namespace veltrano {
namespace {

QMenu *subMenu(QMenu *parent, const char *name, const char *title)
{
    QMenu *menu = parent->addMenu(QString::fromUtf8(title));
    menu->setObjectName(QLatin1String(name));
    return menu;
}

// The tray offers the main window's own actions, so the command, its caption
// and its shortcut are one.
void addCommands(TMainForm &mainForm, QMenu *menu, std::initializer_list<Command> ids)
{
    for (const Command id : ids)
        menu->addAction(mainForm.command(id));
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
    addCommands(mainForm, system, {Command::ActionSafeRemove, Command::ControlPanel1, Command::WindowsClock1,
                                   Command::ActionInstallUninstall, Command::GoToSleepMode1, Command::ntbackupexe1});
    QMenu *view = subMenu(items.menu, "TrayView1", "View");
    QMenu *standard = subMenu(view, "TrayStandard1", "Standard");
    addCommands(mainForm, standard, {Command::ActionOpenNotePad, Command::ActionOpenWordPad, Command::ActionOpenCalc,
                                     Command::ActionOpenPaint, Command::Console1});
    QMenu *widgets = subMenu(items.menu, "TrayWidgets1", "Widgets");
    addCommands(mainForm, widgets, {Command::ActionDeduviClockFormShow, Command::PasswordGenerator1});
    QMenu *direction = subMenu(items.menu, "TrayDirection1", "Direction");
    addCommands(mainForm, direction, {Command::FastToDoListShow, Command::WeekEditor1});
    QMenu *commands = subMenu(items.menu, "TrayCommands1", "Commands");
    QMenu *coffee = subMenu(commands, "TrayCoffee1", "Coffee");
    addCommands(mainForm, coffee, {Command::ActionOpenCD, Command::ActionCloseCD});
    items.menu->addSeparator();
    QMenu *help = subMenu(items.menu, "TrayHelp1", "Help");
    addCommands(mainForm, help, {Command::AboutFormShow});
    items.menu->addSeparator();
    addCommands(mainForm, items.menu, {Command::CloseApp});
    return items;
}

} // namespace veltrano
