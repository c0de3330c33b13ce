#pragma once
#include "app/logic/GUI.h"
#include "app/logic/Startup.h"

#include <QMainWindow>
#include <memory>

class QAction;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QSplitter;
class QTabWidget;
class QTableWidget;
class QTextEdit;
class QToolBar;
class QTreeWidget;

namespace veltrano {

class MessageBoxes;
class Platform;
class SettingsStore;
class TPanelMenu;

// The main window. It owns the settings store, the start-up flags and the
// panel menu state: all exist from its creation to its destruction, the very
// last step of shutdown. Commands are QActions found by object name; features
// built elsewhere attach their reactions to them.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    // Pages of PageControlTabManager, in tab order.
    enum Page { PageToday, PageProjects, PageTheContacts, PageNotelist, PageTasks, PageNotes, PageContacts };

    TMainForm(Platform &platform, MessageBoxes &messages, QWidget *parent = nullptr);
    ~TMainForm() override;

    Platform &platform() const { return m_platform; }
    MessageBoxes &messages() const { return m_messages; }
    SettingsStore &settings() const { return *m_settings; }
    const QString &dataFolder() const { return m_dataFolder; }
    bool toDoAutostart() const { return m_toDoAutostart; }
    const TPanelMenuRender &panelMenuState() const { return *m_panelMenuState; }
    // The start-up flags; "Main..." in the tray menu clears the hidden flag.
    TQXEngine &startupFlags() { return *m_flags; }

    // Ends the program through the normal shutdown.
    void CloseApp();

    // Panel menu items and View > Objects items.
    void Label1Click();
    void Label3Click();
    void Label4Click();
    void Label6Click();
    void Label7Click();
    void Label8Click();
    void Label9Click();
    // Makes `item` the panel menu's selected item and repaints it.
    void selectPanelMenuItem(unsigned item);

    void MainToolBar1Click();
    void BottomToolBar1Click();
    void StatusBar1Click();
    void DefaultSize1Click();
    void LargeSize1Click();
    void VeryLargeSize1Click();
    // Column 1 and row height of the Today grid follow the grid's size.
    void applyTodayGridFit();

signals:
    // Every change from hidden to visible, after the show steps ran.
    void shown();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;

private:
    // Building the window (MainLayout.cpp, MainPages.cpp, MainActions.cpp).
    void createActions();
    void createMainMenu();
    void createPopupMenus();
    void createLayout();
    QToolBar *createMainToolBar();
    QWidget *createBottomBar();
    QWidget *createAdditionalPanel();
    void createPages();
    QWidget *createTodayPage();
    QWidget *createProjectsPage();
    QWidget *createTheContactsPage();
    QWidget *createTasksPage();
    void createStatusBar();

    // Start-up, showing, shutdown (Main.cpp).
    void FormCreate();
    void FormShow();
    void FormDestroy();
    void FormResize();
    void applyStartupGeometry(const StartupValues &values);
    void applyStartupBars(const BarFlags &bars);
    void applyOuterSize();
    void setOuterSize(QSize outer);
    void applySizePreset(SizePreset preset);
    void toggleBar(QAction *item, QWidget *bar, Bar which);
    // Gives the window this outer size, frame included.
    void resizeOuter(QSize outer);
    void ApplicationEventsHint(const QString &statusTip);
    void Label11MouseMove();

    // Page actions (MainNavigation.cpp).
    void showOnlyPage(Page page);
    void ActionShowTodayExecute() { showOnlyPage(PageToday); }
    void ActionShowProjectsExecute();
    void ActionShowStructuresExecute() { showOnlyPage(PageTheContacts); }
    void ActionShowMyPageExecute() { showOnlyPage(PageNotelist); }
    void ActionShowTasksExecute() { showOnlyPage(PageTasks); }
    void ActionShowNotesExecute() { showOnlyPage(PageNotes); }
    void ActionShowContactsExecute() { showOnlyPage(PageContacts); }
    void TreeViewProjectsContextPopup(const QPoint &position);

    // Places where the features built elsewhere join start-up, showing and
    // shutdown (MainHooks.cpp).
    void RefreshTodayCaption();
    void RefreshTodayFill();
    void CreateProjectManager();
    void ReleaseProjectManager();
    void RebuildProjectTree();

    QAction *action(const char *name) const;

    Platform &m_platform;
    MessageBoxes &m_messages;
    QString m_dataFolder;
    std::unique_ptr<SettingsStore> m_settings;
    std::unique_ptr<TQXEngine> m_flags;
    std::unique_ptr<TPanelMenuRender> m_panelMenuState;
    bool m_toDoAutostart = true;
    QSize m_requestedOuterSize;
    bool m_outerSizePending = true;
    bool m_splitterPlaced = false;

    // Controls the window's own logic uses; every control has its name.
    QToolBar *m_mainToolBar = nullptr;
    TPanelMenu *m_panelMenu = nullptr;
    QTabWidget *m_pageControlTabManager = nullptr;
    QTabWidget *m_pageControlProjects = nullptr;
    QTreeWidget *m_treeViewProjects = nullptr;
    QWidget *m_panelCommon = nullptr;
    QLineEdit *m_mainEditCmd = nullptr;
    QLabel *m_statusPanelHint = nullptr;
    QTableWidget *m_stringGrid = nullptr;
    QTextEdit *m_richEditProjectNote = nullptr;
    QLabel *m_label11 = nullptr;
    QCheckBox *m_checkBoxAlarmClock = nullptr;
    QLineEdit *m_maskEditAlarmClock = nullptr;
    QLineEdit *m_editSound = nullptr;
    QList<QFrame *> m_bevels;
    QWidget *m_tabSheetTasks = nullptr;
    QWidget *m_panel1 = nullptr;
    QWidget *m_panel2 = nullptr;
    QWidget *m_panelTodo = nullptr;
    QSplitter *m_splitter2 = nullptr;
    QList<QAction *> m_pageActions;   // ActionShowToday .. ActionShowContacts
    QList<QAction *> m_objectsItems;  // oday1 .. Contacts1
};

} // namespace veltrano
