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

class TMainForm;
class TToDoEditForm;
class TfrmToDoRedactor;
class TfrmToDoStatistica;
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
class TFastToDo final : public QWidget {
    Q_OBJECT
public:
    explicit TFastToDo(TMainForm &main);
    ~TFastToDo() override;

    // The dialogs it opens, the options it defers to and the main window's
    // count label; handed over as they are created.
    void setComposer(TToDoEditForm *composer) { m_composer = composer; }
    void setRedactor(TfrmToDoRedactor *redactor) { m_redactor = redactor; }
    void setStatistics(TfrmToDoStatistica *statistics) { m_statistics = statistics; }
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
    void ShowToDo(bool activate = true);
    void UpdateToDoCaption();
    void UpdateMainToDoLabel();
    // Beside the main window while both are on screen: at its right edge,
    // with its top and height; the width stays.
    void DockToMainWindow();

    // Blending as the options dialog switches it; the value is an opacity
    // from 0 (clear) to 255 (opaque).
    void setAlphaBlend(bool on);
    void setAlphaBlendValue(int value);
    bool alphaBlend() const { return m_alphaBlend; }
    int alphaBlendValue() const { return m_alphaBlendValue; }

    // The commands of the two menus and the three buttons.
    void ActionAddExecute();
    void NEditClick();
    void ActionRemoveExecute();
    void N2Click();
    void N3Click();
    void Archive1Click();
    void N5Click();
    void N6Click();
    void N11Click();
    void Close1Click();

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
    void FormCreate();
    void FormShow();
    void FormDeactivate();
    void FormDestroy();
    void ToDoListMouseDown(QPoint at);
    void ToDoListMouseMove();
    void ToDoListMouseLeave();
    void followMouse(QEvent::Type type);
    ToDoBlend blendSettings() const;
    void applyOpacity();
    void reportSaveFailure();
    // Outer geometry (frame included), as the settings keep it.
    QRect placement() const;
    void setOuterGeometry(const QRect &outer);
    void settleOuterGeometry();
    void writePlacement(bool always);
    void SnapToWorkArea();

    TMainForm &m_main;
    ToDoListModel *m_list = nullptr;
    QListView *m_view = nullptr;
    QWidget *m_panelTop = nullptr;
    QMenu *m_popupMenu = nullptr;  // a click on an item
    QMenu *m_popupMenu1 = nullptr; // a click below the items
    QAction *m_actionAdd = nullptr;
    QAction *m_actionRemove = nullptr;
    QList<QAction *> m_stayOnTopItems;
    TToDoEditForm *m_composer = nullptr;
    TfrmToDoRedactor *m_redactor = nullptr;
    TfrmToDoStatistica *m_statistics = nullptr;
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
