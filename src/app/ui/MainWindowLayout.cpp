// The frame of the main window: tool bar, left panel menu, central pages,
// right-hand worklist, bottom bar with the console line, status bar.
#include "app/ui/MainWindow.h"
#include "app/ui/PanelMenu.h"
#include "common/ui/AppPictures.h"
#include "common/ui/Hints.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QSplitter>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace veltrano {
namespace {

QHBoxLayout *rowLayout(QWidget *owner, int spacing = 0)
{
    auto *layout = new QHBoxLayout(owner);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(spacing);
    return layout;
}

QVBoxLayout *columnLayout(QWidget *owner, int spacing = 0)
{
    auto *layout = new QVBoxLayout(owner);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(spacing);
    return layout;
}

// A tool bar button that runs `target` and shows `hint`.
QToolButton *toolButton(QWidget *parent, const char *name, QAction *target, const QString &hint)
{
    auto *button = named(new QToolButton(parent), name);
    button->setIcon(target->icon());
    button->setAutoRaise(true);
    setHint(button, hint);
    QObject::connect(button, &QToolButton::clicked, target, [target] { target->trigger(); });
    return button;
}

struct DropDownItem {
    const char *name;
    QAction *target;
    QString caption; // the drop-down's own spelling of the command
};

QMenu *dropDown(QWidget *parent, const char *name, const QList<DropDownItem> &items)
{
    auto *menu = named(new QMenu(parent), name);
    for (const DropDownItem &item : items) {
        QAction *entry = makeMenuItem(menu, item.name, item.target);
        entry->setText(item.caption);
        menu->addAction(entry);
    }
    return menu;
}

} // namespace

void MainWindow::createLayout()
{
    m_mainToolBar = createMainToolBar();
    addToolBar(Qt::TopToolBarArea, m_mainToolBar);

    auto *central = named(new QWidget(this), "ClientArea");
    QVBoxLayout *client = columnLayout(central);
    auto *body = new QHBoxLayout;
    body->setSpacing(0);
    client->addLayout(body, 1);

    m_panelMenu = new PanelMenu(central);
    connect(m_panelMenu, &PanelMenu::itemClicked, this,
            [this](unsigned item) { choosePage(PageOfPanelItem(item)); });
    body->addWidget(m_panelMenu);
    m_spacerPanel = named(new QWidget(central), "Panel1");
    m_spacerPanel->setFixedWidth(23);
    m_secondSpacerPanel = named(new QWidget(central), "Panel2");
    m_secondSpacerPanel->setFixedWidth(21);
    auto *speller = named(new QWidget(central), "PanelSpeller");
    speller->setFixedWidth(5);
    body->addWidget(m_spacerPanel);
    body->addWidget(m_secondSpacerPanel);
    body->addWidget(speller);

    auto *splitter = m_pagesSplitter = named(new QSplitter(Qt::Horizontal, central), "Splitter2");
    splitter->setChildrenCollapsible(false);
    auto *panelCentral = named(new QWidget(splitter), "PanelCentral");
    QVBoxLayout *centralColumn = columnLayout(panelCentral);
    m_pageControlTabManager = named(new QTabWidget(panelCentral), "PageControlTabManager");
    m_pageControlTabManager->tabBar()->setFocusPolicy(Qt::NoFocus);
    m_pageControlTabManager->setUsesScrollButtons(false);
    centralColumn->addWidget(m_pageControlTabManager, 1);
    m_panelTodo = named(new QWidget(panelCentral), "PanelTodo");
    centralColumn->addWidget(m_panelTodo);
    splitter->addWidget(panelCentral);
    // The worklist's place; its feature fills it.
    m_panelAdditional = named(new QWidget, "PanelAdditional");
    m_panelAdditional->setMinimumWidth(120);
    columnLayout(m_panelAdditional);
    splitter->addWidget(m_panelAdditional);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 0);
    body->addWidget(splitter, 1);

    m_panelCommon = createBottomBar();
    client->addWidget(m_panelCommon);
    setCentralWidget(central);
    createPages();
    createStatusBar();
}

QToolBar *MainWindow::createMainToolBar()
{
    auto *bar = named(new QToolBar(this), "MainToolBar");
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setIconSize(QSize(16, 16));
    bar->setMinimumHeight(29);
    bar->toggleViewAction()->setVisible(false);
    bar->setContextMenuPolicy(Qt::PreventContextMenu);
    bar->addWidget(toolButton(bar, "ToolButtonToDoSgow", command(Command::ShowToDoList),
                              QStringLiteral("To-Do List...|Shows To-Do List dialog")));
    bar->addWidget(toolButton(bar, "ToolButton7", command(Command::ShowTimeline),
                              QStringLiteral("Timeline...|Shows my time-table")));
    bar->addWidget(toolButton(bar, "ToolButton2", command(Command::ShowClock),
                              QStringLiteral("Deduvi clock...|Shows nice Deduvi clock")));
    bar->addWidget(toolButton(bar, "ToolButton24", command(Command::ShowOptions),
                              QStringLiteral("Configurator...|Configurator...")));
    bar->addSeparator()->setObjectName(QStringLiteral("ToolButton3"));

    QToolButton *notePad = toolButton(bar, "ToolButtonNotePad", command(Command::OpenNotepad),
                                      QStringLiteral("Open notepad...|Open notepad..."));
    notePad->setMenu(dropDown(bar, "PopupMenuNotePad",
                              {{"NotePad1", command(Command::OpenNotepad), QStringLiteral("NotePad...")},
                               {"WordPad1", command(Command::OpenWordPad), QStringLiteral("WordPad...")}}));
    notePad->setPopupMode(QToolButton::MenuButtonPopup);
    bar->addWidget(notePad);
    QToolButton *calc = toolButton(bar, "ToolButton8", command(Command::OpenCalculator),
                                   QStringLiteral("Open calculator...|Open calculator..."));
    calc->setMenu(dropDown(bar, "PopupMenuCalc",
                           {{"Calculator1", command(Command::OpenCalculator), QStringLiteral("Calculator...")},
                            {"Paint1", command(Command::OpenPaint), QStringLiteral("Paint...")}}));
    calc->setPopupMode(QToolButton::MenuButtonPopup);
    bar->addWidget(calc);
    return bar;
}

QWidget *MainWindow::createBottomBar()
{
    auto *common = named(new QWidget, "PanelCommon");
    QVBoxLayout *rows = columnLayout(common);

    auto *plusPlus = named(new QWidget(common), "PanelMainPlusPlus");
    plusPlus->setFixedHeight(25);
    QHBoxLayout *buttons = rowLayout(plusPlus);
    const auto barButton = [plusPlus, buttons](const char *name, const QString &caption, const QIcon &icon,
                                               QAction *target) {
        auto *button = named(new QToolButton(plusPlus), name);
        button->setText(caption);
        button->setIcon(icon);
        button->setAutoRaise(true);
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setFixedSize(80, 25);
        connect(button, &QToolButton::clicked, target, [target] { target->trigger(); });
        buttons->addWidget(button);
    };
    barButton("SpeedButton7", QStringLiteral("Flash..."), smallPicture(SmallPicture::Flash), command(Command::OpenSafeRemoval));
    barButton("SpeedButton4", QStringLiteral("Open CD"), smallPicture(SmallPicture::OpenCD), command(Command::OpenCdTray));
    barButton("SpeedButton5", QStringLiteral("Close CD"), smallPicture(SmallPicture::CloseCD), command(Command::CloseCdTray));
    barButton("SpeedButtonHide", QStringLiteral("Hide"), smallPicture(SmallPicture::Hide), command(Command::HideToTray));
    barButton("SpeedButtonExit", QStringLiteral("Exit"), smallPicture(SmallPicture::Exit), command(Command::Exit));
    buttons->addStretch(1);
    rows->addWidget(plusPlus);

    // The console line itself comes from its feature (setConsoleLine).
    auto *console = m_panelConsole = named(new QWidget(common), "PanelConsole");
    console->setFixedHeight(24);
    QHBoxLayout *line = rowLayout(console, 1);
    line->setContentsMargins(1, 1, 1, 1);
    auto *prompt = named(new QToolButton(console), "SpeedButtonConsole");
    prompt->setIcon(appPicture(QStringLiteral("console")));
    prompt->setAutoRaise(true);
    prompt->setFixedSize(23, 22);
    QAction *openCmd = command(Command::OpenTerminal);
    setHint(prompt, openCmd->text());
    connect(prompt, &QToolButton::clicked, openCmd, [openCmd] { openCmd->trigger(); });
    line->addWidget(prompt, 0, Qt::AlignRight);
    rows->addWidget(console);
    return common;
}

void MainWindow::createStatusBar()
{
    QStatusBar *bar = statusBar();
    bar->setObjectName(QStringLiteral("MainStatusBar"));
    bar->setFixedHeight(19);
    bar->setSizeGripEnabled(false);
    m_statusPanelHint = named(new QLabel(bar), "StatusPanelHint");
    m_statusPanelHint->setFixedWidth(350);
    m_statusPanelHint->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto *second = named(new QLabel(bar), "StatusPanel2");
    second->setMinimumWidth(50);
    second->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    bar->addWidget(m_statusPanelHint);
    bar->addWidget(second, 1);
}

} // namespace veltrano
