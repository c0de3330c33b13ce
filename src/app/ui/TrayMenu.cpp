#include "app/ui/TrayMenu.h"

#include "app/ui/MainWindow.h"

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
void addCommands(MainWindow &mainForm, QMenu *menu, std::initializer_list<Command> ids)
{
    for (const Command id : ids)
        menu->addAction(mainForm.command(id));
}

} // namespace

TrayMenuItems BuildTrayMenu(MainWindow &mainForm)
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
    addCommands(mainForm, system, {Command::OpenSafeRemoval, Command::OpenControlPanel, Command::OpenClockSettings,
                                   Command::OpenSoftwareSettings, Command::Sleep, Command::Backup});
    QMenu *view = subMenu(items.menu, "TrayView1", "View");
    QMenu *standard = subMenu(view, "TrayStandard1", "Standard");
    addCommands(mainForm, standard, {Command::OpenNotepad, Command::OpenWordPad, Command::OpenCalculator,
                                     Command::OpenPaint, Command::OpenConsole});
    QMenu *widgets = subMenu(items.menu, "TrayWidgets1", "Widgets");
    addCommands(mainForm, widgets, {Command::ShowClock, Command::ShowPasswordGenerator});
    QMenu *direction = subMenu(items.menu, "TrayDirection1", "Direction");
    addCommands(mainForm, direction, {Command::ShowToDoList, Command::ShowTimeline});
    QMenu *commands = subMenu(items.menu, "TrayCommands1", "Commands");
    QMenu *coffee = subMenu(commands, "TrayCoffee1", "Coffee");
    addCommands(mainForm, coffee, {Command::OpenCdTray, Command::CloseCdTray});
    items.menu->addSeparator();
    QMenu *help = subMenu(items.menu, "TrayHelp1", "Help");
    addCommands(mainForm, help, {Command::ShowAbout});
    items.menu->addSeparator();
    addCommands(mainForm, items.menu, {Command::Exit});
    return items;
}

} // namespace veltrano
