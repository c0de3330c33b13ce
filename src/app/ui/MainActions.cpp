// The main window's commands and menus. Items whose reaction belongs to a
// feature built elsewhere exist here with caption, hint and shortcut; that
// feature connects to the QAction found by its object name. Menu items that
// only show an action (Notepad2, Flash1, Index1...) forward to it: connect the
// action, not the item.
#include "common/ui/AppPictures.h"
#include "common/ui/Hints.h"
#include "app/ui/Main.h"

#include <QAction>
#include <QMenu>
#include <QLineEdit>
#include <QMenuBar>
#include <QTableWidget>
#include <QTextEdit>
#include <QTreeWidget>

namespace veltrano {
namespace {

QString s(const char *text)
{
    return QString::fromUtf8(text);
}

QAction *checkItem(QObject *parent, const char *name, const QString &caption)
{
    QAction *item = makeAction(parent, name, caption);
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

QAction *TMainForm::action(const char *name) const
{
    return findChild<QAction *>(QLatin1String(name));
}

void TMainForm::createActions()
{
    const auto ctrl = [](int key) { return QKeySequence(Qt::CTRL | key); };
    QAction *closeApp = makeAction(this, "CloseApp", s("Exit"), s("Exit..."));
    closeApp->setIcon(smallPicture(SmallPicture::Exit));
    connect(closeApp, &QAction::triggered, this, &TMainForm::CloseApp);

    makeAction(this, "FastToDoListShow", s("To-Do List..."), s("To-Do List...|Shows To-Do List dialog"),
               QKeySequence(Qt::CTRL | Qt::Key_F1))->setIcon(smallPicture(SmallPicture::ToDo));
    makeAction(this, "ActionDeduviClockFormShow", s("Deduvi Clock"), s("Deduvi clock|Shows Deduvi clock..."),
               QKeySequence(Qt::SHIFT | Qt::Key_F1))->setIcon(smallPicture(SmallPicture::Clock));
    makeAction(this, "ConfigurationFormShow", s("Options..."))->setIcon(smallPicture(SmallPicture::Options));
    makeAction(this, "MinimuzeWindoe", s("Hide..."))->setIcon(smallPicture(SmallPicture::Hide));
    makeAction(this, "AboutFormShow", s("About..."));
    // F1 works through the hidden "Index" item, so the action itself lives on
    // the window where its shortcut stays active.
    addAction(makeAction(this, "ShowHelp", s("Index"), {}, QKeySequence(Qt::Key_F1)));

    makeAction(this, "ActionOpenNotePad", s("Notepad..."))->setIcon(smallPicture(SmallPicture::NotePad));
    makeAction(this, "ActionOpenWordPad", s("Wordpad..."));
    makeAction(this, "ActionOpenCalc", s("Calculator..."))->setIcon(smallPicture(SmallPicture::Calculator));
    makeAction(this, "ActionOpenPaint", s("Paint..."));
    makeAction(this, "ActionOpenCmd", s("Console..."))->setIcon(appPicture(s("console")));
    makeAction(this, "ActionSafeRemove", s("Flash..."))->setIcon(smallPicture(SmallPicture::Flash));
    makeAction(this, "ActionDateAndTimeSetUp", s("Date/Time Setup..."));
    makeAction(this, "ActionInstallUninstall", s("Install And Uninstall Software..."));
    makeAction(this, "ActionOpenCD", s("Open CD"))->setIcon(smallPicture(SmallPicture::OpenCD));
    makeAction(this, "ActionCloseCD", s("Close CD"))->setIcon(smallPicture(SmallPicture::CloseCD));

    // Page actions and the View > Objects items that tick with them.
    const char *pageActions[] = {"ActionShowToday", "ActionShowProjects", "ActionShowStructures",
                                 "ActionShowMyPage", "ActionShowTasks", "ActionShowNotes", "ActionShowContacts"};
    for (const char *name : pageActions)
        m_pageActions << makeAction(this, name, QString::fromLatin1(name).mid(10));
    connect(m_pageActions[PageToday], &QAction::triggered, this, &TMainForm::ActionShowTodayExecute);
    connect(m_pageActions[PageProjects], &QAction::triggered, this, &TMainForm::ActionShowProjectsExecute);
    connect(m_pageActions[PageTheContacts], &QAction::triggered, this, &TMainForm::ActionShowStructuresExecute);
    connect(m_pageActions[PageNotelist], &QAction::triggered, this, &TMainForm::ActionShowMyPageExecute);
    connect(m_pageActions[PageTasks], &QAction::triggered, this, &TMainForm::ActionShowTasksExecute);
    connect(m_pageActions[PageNotes], &QAction::triggered, this, &TMainForm::ActionShowNotesExecute);
    connect(m_pageActions[PageContacts], &QAction::triggered, this, &TMainForm::ActionShowContactsExecute);

    struct ObjectsItem {
        const char *name;
        const char *caption;
        void (TMainForm::*click)();
        bool shown;
    };
    const ObjectsItem items[] = {{"oday1", "Today", &TMainForm::Label1Click, true},
                                 {"Projects1", "Worklist", &TMainForm::Label3Click, true},
                                 {"Structures1", "Contactlist", &TMainForm::Label4Click, false},
                                 {"MyPage1", "Planner", &TMainForm::Label6Click, false},
                                 {"asks1", "Alarm-Clock", &TMainForm::Label7Click, true},
                                 {"Notes1", "Notes", &TMainForm::Label8Click, false},
                                 {"Contacts1", "Contacts", &TMainForm::Label9Click, false}};
    for (const ObjectsItem &entry : items) {
        QAction *item = checkItem(this, entry.name, s(entry.caption));
        item->setVisible(entry.shown);
        const auto click = entry.click;
        connect(item, &QAction::triggered, this, [this, item, click] {
            // The tick belongs to the page actions, not to the click.
            item->setChecked(!item->isChecked());
            (this->*click)();
        });
        m_objectsItems << item;
    }
    m_objectsItems[PageToday]->setChecked(true);

    for (const char *name : {"MainToolBar1", "BottomToolBar1", "StatusBar1"})
        checkItem(this, name, {});
    action("MainToolBar1")->setText(s("Main Tool Bar"));
    action("BottomToolBar1")->setText(s("Bottom Tool Bar"));
    action("StatusBar1")->setText(s("Status Bar"));
    connect(action("MainToolBar1"), &QAction::triggered, this, &TMainForm::MainToolBar1Click);
    connect(action("BottomToolBar1"), &QAction::triggered, this, &TMainForm::BottomToolBar1Click);
    connect(action("StatusBar1"), &QAction::triggered, this, &TMainForm::StatusBar1Click);

    connect(makeAction(this, "DefaultSize1", s("Set Default Size")), &QAction::triggered, this,
            &TMainForm::DefaultSize1Click);
    connect(makeAction(this, "LargeSize1", s("Set Large Size")), &QAction::triggered, this,
            &TMainForm::LargeSize1Click);
    connect(makeAction(this, "VeryLargeSize1", s("Set Very Large Size")), &QAction::triggered, this,
            &TMainForm::VeryLargeSize1Click);
    checkItem(this, "StayOnTop1", s("Stay On Top"));

    // Commands whose reaction arrives with their own feature.
    makeAction(this, "OpenCD1", s("Open CD"), s("Open Coffee"))->setIcon(smallPicture(SmallPicture::OpenCD));
    makeAction(this, "CloseCD1", s("Close CD"), s("Close Coffee"))->setIcon(smallPicture(SmallPicture::CloseCD));
    makeAction(this, "NewProject2", s("New Structure..."), s("New structure...|New structure..."), ctrl(Qt::Key_Insert))
        ->setIcon(notePadPicture(NotePadPicture::NewStructure));
    makeAction(this, "Rename2", s("Rename..."));
    makeAction(this, "Delete2", s("Delete..."), {}, ctrl(Qt::Key_Delete))
        ->setIcon(notePadPicture(NotePadPicture::DeleteStructure));
    makeAction(this, "WeekEditor1", s("Timeline..."), s("Timeline...|Timeline..."))
        ->setIcon(smallPicture(SmallPicture::Timeline));
    makeAction(this, "PasswordGenerator1", s("Password Generator..."));
    makeAction(this, "Console1", s("Console..."))->setIcon(appPicture(s("console")));
    makeAction(this, "ControlPanel1", s("Control  Panel..."));
    makeAction(this, "WindowsClock1", s("Date/Time Setup..."));
    makeAction(this, "GoToSleepMode1", s("Sleep Mode"));
    makeAction(this, "ntbackupexe1", s("Backup..."));
    makeAction(this, "oAutorun1", s("To the autorun"))->setVisible(false);
    makeAction(this, "Fromtheautorun1", s("From the autorun"))->setVisible(false);
    makeAction(this, "Help1", s("Help..."));
    makeAction(this, "QuillonHomePage1", s("Quillon Home Page..."));

    makeMenuItem(this, "Notepad2", action("ActionOpenNotePad"));
    makeMenuItem(this, "Wordpad2", action("ActionOpenWordPad"));
    makeMenuItem(this, "Calculator2", action("ActionOpenCalc"));
    makeMenuItem(this, "Paint2", action("ActionOpenPaint"));
    makeMenuItem(this, "Flash1", action("ActionSafeRemove"));
    makeMenuItem(this, "SetupUninstall1", action("ActionInstallUninstall"));
    makeMenuItem(this, "Index1", action("ShowHelp"))->setVisible(false);
}

void TMainForm::createMainMenu()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu"));

    QMenu *file = makeMenu(bar, "File1", s("&File"));
    file->addAction(action("CloseApp"));

    QMenu *commands = makeMenu(bar, "Commands1", s("&Commands"));
    QMenu *coffee = makeMenu(commands, "Coffee1", s("Coffee"));
    coffee->addActions({action("OpenCD1"), action("CloseCD1")});
    commands->addMenu(coffee);

    QMenu *direction = makeMenu(bar, "Direction1", s("&Direction"));
    QMenu *projects = makeMenu(direction, "DirectionProjects1", s("Projects"));
    projects->addAction(action("NewProject2"));
    separator(projects, "N31");
    projects->addAction(action("Rename2"));
    separator(projects, "N32");
    projects->addAction(action("Delete2"));
    direction->addMenu(projects);
    direction->addActions({action("FastToDoListShow"), action("WeekEditor1")});

    QMenu *widgets = makeMenu(bar, "Widgets1", s("&Widgets"));
    widgets->addActions({action("ActionDeduviClockFormShow"), action("PasswordGenerator1")});

    QMenu *view = makeMenu(bar, "View1", s("&View"));
    QMenu *objects = makeMenu(view, "Objects1", s("Objects"));
    objects->addActions(m_objectsItems);
    view->addMenu(objects);
    QMenu *standard = makeMenu(view, "Standard1", s("Standard"));
    standard->addActions({action("Notepad2"), action("Wordpad2"), action("Calculator2"), action("Paint2")});
    separator(standard, "N33");
    standard->addAction(action("Console1"));
    view->addMenu(standard);
    separator(view, "N34");
    view->addActions({action("MainToolBar1"), action("BottomToolBar1"), action("StatusBar1")});

    QMenu *tools = makeMenu(bar, "Tools1", s("&Tools"));
    QMenu *window = makeMenu(tools, "Window1", s("Window"));
    window->addActions({action("DefaultSize1"), action("LargeSize1"), action("VeryLargeSize1")});
    separator(window, "N35");
    window->addAction(action("StayOnTop1"));
    separator(window, "N36");
    window->addAction(action("MinimuzeWindoe"));
    tools->addMenu(window);
    QMenu *system = makeMenu(tools, "System1", s("System"));
    system->addAction(action("Flash1"));
    separator(system, "N38");
    system->addActions({action("ControlPanel1"), action("WindowsClock1"), action("SetupUninstall1")});
    separator(system, "N39");
    system->addAction(action("GoToSleepMode1"));
    separator(system, "N40");
    system->addAction(action("ntbackupexe1"));
    tools->addMenu(system);
    tools->addActions({action("oAutorun1"), action("Fromtheautorun1")});
    separator(tools, "N41");
    tools->addAction(action("ConfigurationFormShow"));

    QMenu *help = makeMenu(bar, "HelpMenu1", s("&Help"));
    help->addActions({action("Help1"), action("Index1"), action("QuillonHomePage1")});
    separator(help, "N42");
    help->addAction(action("AboutFormShow"));

    for (QMenu *menu : {file, commands, direction, widgets, view, tools, help})
        bar->addMenu(menu);
}

void TMainForm::createPopupMenus()
{
    QMenu *note = makeMenu(this, "PopupMenuForRichEdit", {});
    QTextEdit *editor = m_richEditProjectNote;
    const auto add = [](QMenu *menu, const char *name, const QString &caption, const QKeySequence &key) {
        QAction *item = makeAction(menu, name, caption, {}, key);
        menu->addAction(item);
        return item;
    };
    const auto ctrl = [](int key) { return QKeySequence(Qt::CTRL | key); };
    connect(add(note, "Undo1", s("Undo"), ctrl(Qt::Key_Z)), &QAction::triggered, editor, &QTextEdit::undo);
    separator(note, "N43");
    connect(add(note, "Cut1", s("Cut"), ctrl(Qt::Key_X)), &QAction::triggered, editor, &QTextEdit::cut);
    connect(add(note, "Copy1", s("Copy"), ctrl(Qt::Key_C)), &QAction::triggered, editor, &QTextEdit::copy);
    connect(add(note, "Paste1", s("Paste"), ctrl(Qt::Key_V)), &QAction::triggered, editor, &QTextEdit::paste);
    separator(note, "N44");
    connect(add(note, "SelectAll1", s("Select All"), ctrl(Qt::Key_A)), &QAction::triggered, editor,
            &QTextEdit::selectAll);
    editor->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(editor, &QWidget::customContextMenuRequested, note,
            [note, editor](const QPoint &at) { note->exec(editor->viewport()->mapToGlobal(at)); });

    // The Today grid's entries answer their keys while the grid has the focus.
    QMenu *today = makeMenu(this, "PopupMenuToday", {});
    add(today, "Edit2", s("Edit..."), ctrl(Qt::Key_E));
    add(today, "Delete1", s("Delete..."), ctrl(Qt::Key_D));
    separator(today, "N45");
    add(today, "Edit1", s("Timeline..."), {});
    separator(today, "N46");
    add(today, "Update1", s("Update"), {});
    for (const char *name : {"Edit2", "Delete1"}) {
        QAction *item = today->findChild<QAction *>(QLatin1String(name));
        item->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        m_stringGrid->addAction(item);
    }
    m_stringGrid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_stringGrid, &QWidget::customContextMenuRequested, today,
            [this, today](const QPoint &at) { today->exec(m_stringGrid->viewport()->mapToGlobal(at)); });

    QMenu *cmd = makeMenu(this, "PopupMenuCmd", {});
    add(cmd, "KeymapInfo1", s("Keymap Info..."), {});
    m_mainEditCmd->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_mainEditCmd, &QWidget::customContextMenuRequested, cmd,
            [this, cmd](const QPoint &at) { cmd->exec(m_mainEditCmd->mapToGlobal(at)); });

    QMenu *projects = makeMenu(this, "PopupMenuProjects", {});
    QAction *newSub = add(projects, "NewSub1", s("New Structure..."), ctrl(Qt::Key_Insert));
    setHint(newSub, s("Creating new structure...|Creating new structure..."));
    newSub->setIcon(notePadPicture(NotePadPicture::NewStructure));
    separator(projects, "N30");
    add(projects, "Rename1", s("Rename..."), {});
    separator(projects, "N37");
    QAction *deleteProject = add(projects, "DeleteProject1", s("Delete..."), ctrl(Qt::Key_Delete));
    setHint(deleteProject, s("Deleting structure...|Deleting structure..."));
    deleteProject->setIcon(notePadPicture(NotePadPicture::DeleteStructure));
    m_treeViewProjects->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_treeViewProjects, &QWidget::customContextMenuRequested, this, &TMainForm::TreeViewProjectsContextPopup);
}

} // namespace veltrano
