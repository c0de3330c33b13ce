// The main window's commands and menus. Every command exists here with its
// caption, hint and shortcut; a feature connects its reaction to the action
// it gets by id (MainWindow::command). Menu items that only show an action
// (Notepad2, Flash1, Index1...) forward to it: connect the action, not the item.
#include "app/ui/MainWindow.h"
#include "common/ui/AppPictures.h"
#include "common/ui/Hints.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

namespace veltrano {
namespace {

QString s(const char *text)
{
    return QString::fromUtf8(text);
}

QAction *checkItem(QAction *item)
{
    item->setCheckable(true);
    return item;
}

QMenu *makeMenu(QWidget *parent, const char *name, const QString &title)
{
    auto *menu = new QMenu(title, parent);
    menu->setObjectName(QLatin1String(name));
    return menu;
}

QAction *separator(QMenu *menu, const char *name)
{
    QAction *line = menu->addSeparator();
    line->setObjectName(QLatin1String(name));
    return line;
}

} // namespace

QAction *MainWindow::addCommand(Command id, const QString &caption, const QString &hint, const QKeySequence &shortcut)
{
    QAction *action = makeAction(this, commandName(id), caption, hint, shortcut);
    m_commands.add(id, action);
    return action;
}

void MainWindow::createActions()
{
    const auto ctrl = [](int key) { return QKeySequence(Qt::CTRL | key); };
    connect(addCommand(Command::Exit, s("Exit"), s("Exit...")), &QAction::triggered, this, &MainWindow::quit);
    command(Command::Exit)->setIcon(smallPicture(SmallPicture::Exit));

    addCommand(Command::ShowToDoList, s("To-Do List..."), s("To-Do List...|Shows To-Do List dialog"),
               QKeySequence(Qt::CTRL | Qt::Key_F1))->setIcon(smallPicture(SmallPicture::ToDo));
    addCommand(Command::ShowClock, s("Deduvi Clock"), s("Deduvi clock|Shows Deduvi clock..."),
               QKeySequence(Qt::SHIFT | Qt::Key_F1))->setIcon(smallPicture(SmallPicture::Clock));
    addCommand(Command::ShowOptions, s("Options..."))->setIcon(smallPicture(SmallPicture::Options));
    addCommand(Command::HideToTray, s("Hide..."))->setIcon(smallPicture(SmallPicture::Hide));
    addCommand(Command::ShowAbout, s("About..."));
    // F1 works through the hidden "Index" item, so the action itself lives on
    // the window where its shortcut stays active.
    addAction(addCommand(Command::ShowHelp, s("Index"), {}, QKeySequence(Qt::Key_F1)));

    addCommand(Command::OpenNotepad, s("Notepad..."))->setIcon(smallPicture(SmallPicture::NotePad));
    addCommand(Command::OpenWordPad, s("Wordpad..."));
    addCommand(Command::OpenCalculator, s("Calculator..."))->setIcon(smallPicture(SmallPicture::Calculator));
    addCommand(Command::OpenPaint, s("Paint..."));
    addCommand(Command::OpenTerminal, s("Console..."))->setIcon(appPicture(s("console")));
    addCommand(Command::OpenSafeRemoval, s("Flash..."))->setIcon(smallPicture(SmallPicture::Flash));
    addCommand(Command::OpenDateTimeSettings, s("Date/Time Setup..."));
    addCommand(Command::OpenSoftwareSettings, s("Install And Uninstall Software..."));
    addCommand(Command::OpenCdTray, s("Open CD"))->setIcon(smallPicture(SmallPicture::OpenCD));
    addCommand(Command::CloseCdTray, s("Close CD"))->setIcon(smallPicture(SmallPicture::CloseCD));

    createPageCommands();

    connect(checkItem(addCommand(Command::ToggleMainToolBar, s("Main Tool Bar"))), &QAction::triggered, this,
            [this] { toggleBar(Command::ToggleMainToolBar, m_mainToolBar, Bar::Main); });
    connect(checkItem(addCommand(Command::ToggleBottomBar, s("Bottom Tool Bar"))), &QAction::triggered, this,
            [this] { toggleBar(Command::ToggleBottomBar, m_panelCommon, Bar::Bottom); });
    connect(checkItem(addCommand(Command::ToggleStatusBar, s("Status Bar"))), &QAction::triggered, this,
            [this] { toggleBar(Command::ToggleStatusBar, statusBar(), Bar::Status); });

    connect(addCommand(Command::DefaultSize, s("Set Default Size")), &QAction::triggered, this,
            [this] { applySizePreset(SizePreset::Default); });
    connect(addCommand(Command::LargeSize, s("Set Large Size")), &QAction::triggered, this,
            [this] { applySizePreset(SizePreset::Large); });
    connect(addCommand(Command::VeryLargeSize, s("Set Very Large Size")), &QAction::triggered, this,
            [this] { applySizePreset(SizePreset::VeryLarge); });
    checkItem(addCommand(Command::StayOnTop, s("Stay On Top")));

    // Commands whose reaction arrives with their own feature.
    addCommand(Command::CoffeeOpenCdTray, s("Open CD"), s("Open Coffee"))->setIcon(smallPicture(SmallPicture::OpenCD));
    addCommand(Command::CoffeeCloseCdTray, s("Close CD"), s("Close Coffee"))->setIcon(smallPicture(SmallPicture::CloseCD));
    addCommand(Command::NewStructure, s("New Structure..."), s("New structure...|New structure..."), ctrl(Qt::Key_Insert))
        ->setIcon(notePadPicture(NotePadPicture::NewStructure));
    addCommand(Command::RenameStructure, s("Rename..."));
    addCommand(Command::DeleteStructure, s("Delete..."), {}, ctrl(Qt::Key_Delete))
        ->setIcon(notePadPicture(NotePadPicture::DeleteStructure));
    addCommand(Command::ShowTimeline, s("Timeline..."), s("Timeline...|Timeline..."))
        ->setIcon(smallPicture(SmallPicture::Timeline));
    addCommand(Command::ShowPasswordGenerator, s("Password Generator..."));
    addCommand(Command::OpenConsole, s("Console..."))->setIcon(appPicture(s("console")));
    addCommand(Command::OpenControlPanel, s("Control  Panel..."));
    addCommand(Command::OpenClockSettings, s("Date/Time Setup..."));
    addCommand(Command::Sleep, s("Sleep Mode"));
    addCommand(Command::Backup, s("Backup..."));
    addCommand(Command::AddToAutorun, s("To the autorun"))->setVisible(false);
    addCommand(Command::RemoveFromAutorun, s("From the autorun"))->setVisible(false);
    addCommand(Command::MailDeveloper, s("Help..."));
    addCommand(Command::OpenHomePage, s("Quillon Home Page..."));

    // Every command exists from here on; a gap is caught at the first start.
    for (int id = 0; id < kCommandCount; ++id)
        command(static_cast<Command>(id));

    makeMenuItem(this, "Notepad2", command(Command::OpenNotepad));
    makeMenuItem(this, "Wordpad2", command(Command::OpenWordPad));
    makeMenuItem(this, "Calculator2", command(Command::OpenCalculator));
    makeMenuItem(this, "Paint2", command(Command::OpenPaint));
    makeMenuItem(this, "Flash1", command(Command::OpenSafeRemoval));
    makeMenuItem(this, "SetupUninstall1", command(Command::OpenSoftwareSettings));
    makeMenuItem(this, "Index1", command(Command::ShowHelp))->setVisible(false);
}

void MainWindow::createMainMenu()
{
    // Menu items that only forward to a command are found by their own name.
    const auto item = [this](const char *name) { return findChild<QAction *>(QLatin1String(name)); };
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu"));

    QMenu *file = makeMenu(bar, "File1", s("&File"));
    file->addAction(command(Command::Exit));

    QMenu *commands = makeMenu(bar, "Commands1", s("&Commands"));
    QMenu *coffee = makeMenu(commands, "Coffee1", s("Coffee"));
    coffee->addActions({command(Command::CoffeeOpenCdTray), command(Command::CoffeeCloseCdTray)});
    commands->addMenu(coffee);

    QMenu *direction = makeMenu(bar, "Direction1", s("&Direction"));
    QMenu *projects = makeMenu(direction, "DirectionProjects1", s("Projects"));
    projects->addAction(command(Command::NewStructure));
    separator(projects, "N31");
    projects->addAction(command(Command::RenameStructure));
    separator(projects, "N32");
    projects->addAction(command(Command::DeleteStructure));
    direction->addMenu(projects);
    direction->addActions({command(Command::ShowToDoList), command(Command::ShowTimeline)});

    QMenu *widgets = makeMenu(bar, "Widgets1", s("&Widgets"));
    widgets->addActions({command(Command::ShowClock), command(Command::ShowPasswordGenerator)});

    QMenu *view = makeMenu(bar, "View1", s("&View"));
    QMenu *objects = makeMenu(view, "Objects1", s("Objects"));
    for (const PageRow &row : PageTable())
        objects->addAction(command(row.objectsItem));
    view->addMenu(objects);
    QMenu *standard = makeMenu(view, "Standard1", s("Standard"));
    standard->addActions({item("Notepad2"), item("Wordpad2"), item("Calculator2"), item("Paint2")});
    separator(standard, "N33");
    standard->addAction(command(Command::OpenConsole));
    view->addMenu(standard);
    separator(view, "N34");
    view->addActions({command(Command::ToggleMainToolBar), command(Command::ToggleBottomBar), command(Command::ToggleStatusBar)});

    QMenu *tools = makeMenu(bar, "Tools1", s("&Tools"));
    QMenu *window = makeMenu(tools, "Window1", s("Window"));
    window->addActions({command(Command::DefaultSize), command(Command::LargeSize), command(Command::VeryLargeSize)});
    separator(window, "N35");
    window->addAction(command(Command::StayOnTop));
    separator(window, "N36");
    window->addAction(command(Command::HideToTray));
    tools->addMenu(window);
    QMenu *system = makeMenu(tools, "System1", s("System"));
    system->addAction(item("Flash1"));
    separator(system, "N38");
    system->addActions({command(Command::OpenControlPanel), command(Command::OpenClockSettings), item("SetupUninstall1")});
    separator(system, "N39");
    system->addAction(command(Command::Sleep));
    separator(system, "N40");
    system->addAction(command(Command::Backup));
    tools->addMenu(system);
    tools->addActions({command(Command::AddToAutorun), command(Command::RemoveFromAutorun)});
    separator(tools, "N41");
    tools->addAction(command(Command::ShowOptions));

    QMenu *help = makeMenu(bar, "HelpMenu1", s("&Help"));
    help->addActions({command(Command::MailDeveloper), item("Index1"), command(Command::OpenHomePage)});
    separator(help, "N42");
    help->addAction(command(Command::ShowAbout));

    for (QMenu *menu : {file, commands, direction, widgets, view, tools, help})
        bar->addMenu(menu);
}

} // namespace veltrano
