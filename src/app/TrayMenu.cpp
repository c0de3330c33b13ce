#include "app/TrayMenu.h"

#include "app/Main.h"

#include <QAction>

namespace veltrano {
namespace {

struct Entry {
    const char *caption;
    const char *namesake; // the main window's action of the same command
};

// The main window's action, or, while the command has no home yet, an item
// that only shows its caption.
QAction *commandItem(TMainForm &mainForm, QMenu *menu, const Entry &entry)
{
    if (auto *action = mainForm.findChild<QAction *>(QLatin1String(entry.namesake))) {
        menu->addAction(action);
        return action;
    }
    QAction *item = menu->addAction(QString::fromUtf8(entry.caption));
    item->setObjectName(QStringLiteral("Tray") + QLatin1String(entry.namesake));
    return item;
}

QMenu *subMenu(QMenu *parent, const char *name, const char *title)
{
    QMenu *menu = parent->addMenu(QString::fromUtf8(title));
    menu->setObjectName(QLatin1String(name));
    return menu;
}

void addCommands(TMainForm &mainForm, QMenu *menu, std::initializer_list<Entry> entries)
{
    for (const Entry &entry : entries)
        commandItem(mainForm, menu, entry);
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
    addCommands(mainForm, system, {{"Flash...", "ActionSafeRemove"}, {"Control  Panel...", "ControlPanel1"},
                                   {"Date/Time Setup...", "WindowsClock1"},
                                   {"Install And Uninstall Software...", "ActionInstallUninstall"},
                                   {"Sleep Mode", "GoToSleepMode1"}, {"Backup...", "ntbackupexe1"}});
    QMenu *view = subMenu(items.menu, "TrayView1", "View");
    QMenu *standard = subMenu(view, "TrayStandard1", "Standard");
    addCommands(mainForm, standard, {{"Notepad...", "ActionOpenNotePad"}, {"Wordpad...", "ActionOpenWordPad"},
                                     {"Calculator...", "ActionOpenCalc"}, {"Paint...", "ActionOpenPaint"},
                                     {"Console...", "Console1"}});
    QMenu *widgets = subMenu(items.menu, "TrayWidgets1", "Widgets");
    addCommands(mainForm, widgets, {{"Deduvi Clock", "ActionDeduviClockFormShow"},
                                    {"Password Generator...", "PasswordGenerator1"}});
    QMenu *direction = subMenu(items.menu, "TrayDirection1", "Direction");
    addCommands(mainForm, direction, {{"To-Do List...", "FastToDoListShow"}, {"Timeline...", "WeekEditor1"}});
    QMenu *commands = subMenu(items.menu, "TrayCommands1", "Commands");
    QMenu *coffee = subMenu(commands, "TrayCoffee1", "Coffee");
    addCommands(mainForm, coffee, {{"Open CD", "ActionOpenCD"}, {"Close CD", "ActionCloseCD"}});
    items.menu->addSeparator();
    QMenu *help = subMenu(items.menu, "TrayHelp1", "Help");
    addCommands(mainForm, help, {{"About...", "AboutFormShow"}});
    items.menu->addSeparator();
    addCommands(mainForm, items.menu, {{"Exit", "CloseApp"}});
    return items;
}

} // namespace veltrano
