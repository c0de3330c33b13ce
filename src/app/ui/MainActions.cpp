// The main window's commands and menus. Every command exists here with its
// caption, hint and shortcut; a feature connects its reaction to the action
// it gets by id (TMainForm::command). Menu items that only show an action
// (Notepad2, Flash1, Index1...) forward to it: connect the action, not the item.
#include "app/ui/Main.h"
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

QAction *TMainForm::addCommand(Command id, const QString &caption, const QString &hint, const QKeySequence &shortcut)
{
    QAction *action = makeAction(this, commandName(id), caption, hint, shortcut);
    m_commands.add(id, action);
    return action;
}

void TMainForm::createActions()
{
    const auto ctrl = [](int key) { return QKeySequence(Qt::CTRL | key); };
    connect(addCommand(Command::CloseApp, s("Exit"), s("Exit...")), &QAction::triggered, this, &TMainForm::CloseApp);
    command(Command::CloseApp)->setIcon(smallPicture(SmallPicture::Exit));

    addCommand(Command::FastToDoListShow, s("To-Do List..."), s("To-Do List...|Shows To-Do List dialog"),
               QKeySequence(Qt::CTRL | Qt::Key_F1))->setIcon(smallPicture(SmallPicture::ToDo));
    addCommand(Command::ActionDeduviClockFormShow, s("Deduvi Clock"), s("Deduvi clock|Shows Deduvi clock..."),
               QKeySequence(Qt::SHIFT | Qt::Key_F1))->setIcon(smallPicture(SmallPicture::Clock));
    addCommand(Command::ConfigurationFormShow, s("Options..."))->setIcon(smallPicture(SmallPicture::Options));
    addCommand(Command::MinimuzeWindoe, s("Hide..."))->setIcon(smallPicture(SmallPicture::Hide));
    addCommand(Command::AboutFormShow, s("About..."));
    // F1 works through the hidden "Index" item, so the action itself lives on
    // the window where its shortcut stays active.
    addAction(addCommand(Command::ShowHelp, s("Index"), {}, QKeySequence(Qt::Key_F1)));

    addCommand(Command::ActionOpenNotePad, s("Notepad..."))->setIcon(smallPicture(SmallPicture::NotePad));
    addCommand(Command::ActionOpenWordPad, s("Wordpad..."));
    addCommand(Command::ActionOpenCalc, s("Calculator..."))->setIcon(smallPicture(SmallPicture::Calculator));
    addCommand(Command::ActionOpenPaint, s("Paint..."));
    addCommand(Command::ActionOpenCmd, s("Console..."))->setIcon(appPicture(s("console")));
    addCommand(Command::ActionSafeRemove, s("Flash..."))->setIcon(smallPicture(SmallPicture::Flash));
    addCommand(Command::ActionDateAndTimeSetUp, s("Date/Time Setup..."));
    addCommand(Command::ActionInstallUninstall, s("Install And Uninstall Software..."));
    addCommand(Command::ActionOpenCD, s("Open CD"))->setIcon(smallPicture(SmallPicture::OpenCD));
    addCommand(Command::ActionCloseCD, s("Close CD"))->setIcon(smallPicture(SmallPicture::CloseCD));

    createPageCommands();

    connect(checkItem(addCommand(Command::MainToolBar1, s("Main Tool Bar"))), &QAction::triggered, this,
            [this] { toggleBar(Command::MainToolBar1, m_mainToolBar, Bar::Main); });
    connect(checkItem(addCommand(Command::BottomToolBar1, s("Bottom Tool Bar"))), &QAction::triggered, this,
            [this] { toggleBar(Command::BottomToolBar1, m_panelCommon, Bar::Bottom); });
    connect(checkItem(addCommand(Command::StatusBar1, s("Status Bar"))), &QAction::triggered, this,
            [this] { toggleBar(Command::StatusBar1, statusBar(), Bar::Status); });

    connect(addCommand(Command::DefaultSize1, s("Set Default Size")), &QAction::triggered, this,
            [this] { applySizePreset(SizePreset::Default); });
    connect(addCommand(Command::LargeSize1, s("Set Large Size")), &QAction::triggered, this,
            [this] { applySizePreset(SizePreset::Large); });
    connect(addCommand(Command::VeryLargeSize1, s("Set Very Large Size")), &QAction::triggered, this,
            [this] { applySizePreset(SizePreset::VeryLarge); });
    checkItem(addCommand(Command::StayOnTop1, s("Stay On Top")));

    // Commands whose reaction arrives with their own feature.
    addCommand(Command::OpenCD1, s("Open CD"), s("Open Coffee"))->setIcon(smallPicture(SmallPicture::OpenCD));
    addCommand(Command::CloseCD1, s("Close CD"), s("Close Coffee"))->setIcon(smallPicture(SmallPicture::CloseCD));
    addCommand(Command::NewProject2, s("New Structure..."), s("New structure...|New structure..."), ctrl(Qt::Key_Insert))
        ->setIcon(notePadPicture(NotePadPicture::NewStructure));
    addCommand(Command::Rename2, s("Rename..."));
    addCommand(Command::Delete2, s("Delete..."), {}, ctrl(Qt::Key_Delete))
        ->setIcon(notePadPicture(NotePadPicture::DeleteStructure));
    addCommand(Command::WeekEditor1, s("Timeline..."), s("Timeline...|Timeline..."))
        ->setIcon(smallPicture(SmallPicture::Timeline));
    addCommand(Command::PasswordGenerator1, s("Password Generator..."));
    addCommand(Command::Console1, s("Console..."))->setIcon(appPicture(s("console")));
    addCommand(Command::ControlPanel1, s("Control  Panel..."));
    addCommand(Command::WindowsClock1, s("Date/Time Setup..."));
    addCommand(Command::GoToSleepMode1, s("Sleep Mode"));
    addCommand(Command::ntbackupexe1, s("Backup..."));
    addCommand(Command::oAutorun1, s("To the autorun"))->setVisible(false);
    addCommand(Command::Fromtheautorun1, s("From the autorun"))->setVisible(false);
    addCommand(Command::Help1, s("Help..."));
    addCommand(Command::QuillonHomePage1, s("Quillon Home Page..."));

    // Every command exists from here on; a gap is caught at the first start.
    for (int id = 0; id < kCommandCount; ++id)
        command(static_cast<Command>(id));

    makeMenuItem(this, "Notepad2", command(Command::ActionOpenNotePad));
    makeMenuItem(this, "Wordpad2", command(Command::ActionOpenWordPad));
    makeMenuItem(this, "Calculator2", command(Command::ActionOpenCalc));
    makeMenuItem(this, "Paint2", command(Command::ActionOpenPaint));
    makeMenuItem(this, "Flash1", command(Command::ActionSafeRemove));
    makeMenuItem(this, "SetupUninstall1", command(Command::ActionInstallUninstall));
    makeMenuItem(this, "Index1", command(Command::ShowHelp))->setVisible(false);
}

void TMainForm::createMainMenu()
{
    // Menu items that only forward to a command are found by their own name.
    const auto item = [this](const char *name) { return findChild<QAction *>(QLatin1String(name)); };
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu"));

    QMenu *file = makeMenu(bar, "File1", s("&File"));
    file->addAction(command(Command::CloseApp));

    QMenu *commands = makeMenu(bar, "Commands1", s("&Commands"));
    QMenu *coffee = makeMenu(commands, "Coffee1", s("Coffee"));
    coffee->addActions({command(Command::OpenCD1), command(Command::CloseCD1)});
    commands->addMenu(coffee);

    QMenu *direction = makeMenu(bar, "Direction1", s("&Direction"));
    QMenu *projects = makeMenu(direction, "DirectionProjects1", s("Projects"));
    projects->addAction(command(Command::NewProject2));
    separator(projects, "N31");
    projects->addAction(command(Command::Rename2));
    separator(projects, "N32");
    projects->addAction(command(Command::Delete2));
    direction->addMenu(projects);
    direction->addActions({command(Command::FastToDoListShow), command(Command::WeekEditor1)});

    QMenu *widgets = makeMenu(bar, "Widgets1", s("&Widgets"));
    widgets->addActions({command(Command::ActionDeduviClockFormShow), command(Command::PasswordGenerator1)});

    QMenu *view = makeMenu(bar, "View1", s("&View"));
    QMenu *objects = makeMenu(view, "Objects1", s("Objects"));
    for (const PageRow &row : PageTable())
        objects->addAction(command(row.objectsItem));
    view->addMenu(objects);
    QMenu *standard = makeMenu(view, "Standard1", s("Standard"));
    standard->addActions({item("Notepad2"), item("Wordpad2"), item("Calculator2"), item("Paint2")});
    separator(standard, "N33");
    standard->addAction(command(Command::Console1));
    view->addMenu(standard);
    separator(view, "N34");
    view->addActions({command(Command::MainToolBar1), command(Command::BottomToolBar1), command(Command::StatusBar1)});

    QMenu *tools = makeMenu(bar, "Tools1", s("&Tools"));
    QMenu *window = makeMenu(tools, "Window1", s("Window"));
    window->addActions({command(Command::DefaultSize1), command(Command::LargeSize1), command(Command::VeryLargeSize1)});
    separator(window, "N35");
    window->addAction(command(Command::StayOnTop1));
    separator(window, "N36");
    window->addAction(command(Command::MinimuzeWindoe));
    tools->addMenu(window);
    QMenu *system = makeMenu(tools, "System1", s("System"));
    system->addAction(item("Flash1"));
    separator(system, "N38");
    system->addActions({command(Command::ControlPanel1), command(Command::WindowsClock1), item("SetupUninstall1")});
    separator(system, "N39");
    system->addAction(command(Command::GoToSleepMode1));
    separator(system, "N40");
    system->addAction(command(Command::ntbackupexe1));
    tools->addMenu(system);
    tools->addActions({command(Command::oAutorun1), command(Command::Fromtheautorun1)});
    separator(tools, "N41");
    tools->addAction(command(Command::ConfigurationFormShow));

    QMenu *help = makeMenu(bar, "HelpMenu1", s("&Help"));
    help->addActions({command(Command::Help1), item("Index1"), command(Command::QuillonHomePage1)});
    separator(help, "N42");
    help->addAction(command(Command::AboutFormShow));

    for (QMenu *menu : {file, commands, direction, widgets, view, tools, help})
        bar->addMenu(menu);
}

} // namespace veltrano
