// The to-do window: the quick to-do list as a check list in a narrow window of
// its own, docked beside the main window while that one is on screen.
#pragma once
#include "todo/logic/ToDoSettings.h"

#include <QEvent>
#include <QLabel>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <optional>

class QAction;
class QListView;
class QMenu;

namespace veltrano {

class MainWindow;
class NewToDoItemDialog;
class ToDoItemEditor;
class ToDoStatisticsDialog;
class ToDoListModel;

inline constexpr auto kToDoDesignCaption = u"Today To-Do List: ";
inline constexpr auto kToDoCaption = u"To-Do List: ";
inline constexpr auto kToDoLabelPrefix = u"To-Does . . . ";
inline constexpr auto kSelectItemMessage = u"Select some menu item please ;)";
inline constexpr auto kClearSelectedQuestion = u"Do you want clear selected items?";
inline constexpr auto kClearAllQuestion = u"Do you want clear all items?";
inline constexpr QSize kToDoDesignClientSize{218, 360};

// A top-level window of its own, parented to no other window: it stays on
// screen while the main window hides in the tray. Created once at start-up
// (which loads "list.todo"), only hidden when closed, destroyed at exit (which
// writes its placement and saves the list).
class ToDoWindow final : public QWidget {
    Q_OBJECT
public:
    explicit ToDoWindow(MainWindow &main);
    ~ToDoWindow() override;

    // The dialogs it opens, the options it defers to and the main window's
    // count label; handed over as they are created.
    void setComposer(NewToDoItemDialog *composer) { m_composer = composer; }
    void setRedactor(ToDoItemEditor *redactor) { m_redactor = redactor; }
    void setStatistics(ToDoStatisticsDialog *statistics) { m_statistics = statistics; }
    void setOptionsOpener(std::function<void()> open) { m_openOptions = std::move(open); }
    void setBlendSource(std::function<ToDoBlend()> source) { m_blendSource = std::move(source); }
    void setMainLabel(QLabel *label) { m_mainLabel = label; }

    ToDoListModel &list() const { return *m_list; }
    // The composer's keys were refused at exit: this window's placement,
    // written next, is not tried (and reported) once more.
    void settingsRefusedAtExit() { m_settingsRefused = true; }
    // The selected item's index, or -1.
    int selectedIndex() const;

    // Shows the window; one already on screen comes to the front. Asked for
    // by the user it also takes the keyboard; coming up with the main window
    // it leaves the keyboard there.
    void showWindow(bool activate = true);
    void updateCaption();
    void updateMainWindowCount();
    // Beside the main window while both are on screen: at its right edge,
    // with its top and height; the width stays.
    void dockToMainWindow();

    // Blending as the options dialog switches it; the value is an opacity
    // from 0 (clear) to 255 (opaque).
    void setAlphaBlend(bool on);
    void setAlphaBlendValue(int value);
    bool alphaBlend() const { return m_alphaBlend; }
    int alphaBlendValue() const { return m_alphaBlendValue; }

    // The commands of the two menus and the three buttons.
    void addItem();
    void editSelectedItem();
    void deleteSelectedItem();
    void onClearDoneItems();
    void onClearAllItems();
    void archiveAndClear();
    void showStatistics();
    void toggleStayOnTop();
    void showOptions();
    void closeWindow();

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void createActions();
    void createMenus();
    QMenu *createMenu(const char *name, bool onItem);
    void loadListAndPlacement();
    void onShow();
    void onDeactivate();
    void saveListAndPlacement();
    void onListRightClick(QPoint at);
    void onMouseOver();
    void onMouseLeft();
    void followMouse(QEvent::Type type);
    ToDoBlend blendSettings() const;
    void applyOpacity();
    void reportSaveFailure();
    // Outer geometry (frame included), as the settings keep it.
    QRect placement() const;
    void setOuterGeometry(const QRect &outer);
    void settleOuterGeometry();
    void writePlacement(bool always);
    void snapToWorkArea();

    MainWindow &m_main;
    ToDoListModel *m_list = nullptr;
    QListView *m_view = nullptr;
    QWidget *m_panelTop = nullptr;
    QMenu *m_popupMenu = nullptr;  // a click on an item
    QMenu *m_popupMenu1 = nullptr; // a click below the items
    QAction *m_actionAdd = nullptr;
    QAction *m_actionRemove = nullptr;
    QList<QAction *> m_stayOnTopItems;
    NewToDoItemDialog *m_composer = nullptr;
    ToDoItemEditor *m_redactor = nullptr;
    ToDoStatisticsDialog *m_statistics = nullptr;
    std::function<void()> m_openOptions;
    std::function<ToDoBlend()> m_blendSource;
    QPointer<QLabel> m_mainLabel;
    bool m_alphaBlend = false;
    int m_alphaBlendValue = 255;
    bool m_stayOnTop = false;
    bool m_settingsRefused = false;
    // An outer geometry given before the window manager framed the window.
    std::optional<QRect> m_pendingOuter;
    bool m_placing = false; // our own move and resize, not the user's
    std::optional<QRect> m_writtenPlacement;
    QTimer m_snapTimer;
};

} // namespace veltrano
