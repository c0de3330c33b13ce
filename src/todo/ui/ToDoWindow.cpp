#include "todo/ui/ToDoWindow.h"

#include "common/logic/MessageBoxes.h"
#include "common/ui/AppContext.h"
#include "common/ui/AppPictures.h"
#include "common/ui/Hints.h"
#include "common/ui/WindowGeometry.h"
#include "todo/logic/ToDoListModel.h"
#include "todo/ui/ToDoDocking.h"
#include "todo/ui/ToDoListView.h"
#include "todo/ui/ToDoWindowState.h"

#include <QAction>
#include <QDir>
#include <QKeyEvent>
#include <QListView>
#include <QMenu>
#include <QToolButton>
#include <QVBoxLayout>

namespace veltrano {
namespace {

constexpr int kPanelTopHeight = 25;
constexpr QSize kSpeedButtonSize{23, 22};
constexpr int kFontPoints = 8;

} // namespace

ToDoWindow::ToDoWindow(AppContext &context, ToDoListModel &list, ToDoWindowState &state, QWidget &mainWindow,
                       ToDoWindowLinks links)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                           | Qt::WindowCloseButtonHint),
      m_context(context), m_list(list), m_links(std::move(links))
{
    setObjectName(QStringLiteral("FastToDo"));
    setWindowTitle(QString::fromUtf16(kToDoDesignCaption));
    setAttribute(Qt::WA_QuitOnClose, false);
    QFont small = font();
    small.setPointSize(kFontPoints);
    setFont(small);
    setMouseTracking(true);
    // It sits beside the main window, which usually has the keyboard: the
    // whole text of a long item shows under the mouse all the same.
    setAttribute(Qt::WA_AlwaysShowToolTips);
    createControls();
    createActions();
    m_menus = new ToDoMenus(*this);
    connect(m_menus, &ToDoMenus::chosen, this, &ToDoWindow::run);
    // Placed as a window that exists, so every position it is given is the
    // frame's, whether the frame is known yet or not.
    create();
    m_docking = new ToDoDocking(*this, mainWindow, state, context.settings(), m_links.blend);
}

ToDoWindow::~ToDoWindow() = default;

void ToDoWindow::createControls()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_panelTop = named(new QWidget(this), "PanelTop");
    m_panelTop->setFixedHeight(kPanelTopHeight);
    const auto speedButton = [this](const char *name, int x, const QString &caption, const QIcon &icon,
                                    void (ToDoWindow::*click)()) {
        auto *button = named(new QToolButton(m_panelTop), name);
        button->setGeometry(QRect(QPoint(x, (kPanelTopHeight - kSpeedButtonSize.height()) / 2), kSpeedButtonSize));
        button->setAutoRaise(true);
        button->setIcon(icon);
        button->setFocusPolicy(Qt::NoFocus);
        button->setToolTip(caption);
        button->setAccessibleName(caption);
        connect(button, &QToolButton::clicked, this, click);
    };
    speedButton("SpeedButton1", 0, QStringLiteral("Add"), appPicture(QStringLiteral("todoadd")),
                &ToDoWindow::addItem);
    speedButton("SpeedButton2", 24, QStringLiteral("Options"), smallPicture(SmallPicture::Options),
                &ToDoWindow::showOptions);
    speedButton("SpeedButton3", 48, QStringLiteral("Close"), appPicture(QStringLiteral("todoclose")),
                &ToDoWindow::closeWindow);
    layout->addWidget(m_panelTop);

    m_view = named(new ToDoListView(this), "ToDoList");
    m_view->setAccessibleName(QStringLiteral("To-Do List"));
    m_view->setModel(&m_list);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setContextMenuPolicy(Qt::PreventContextMenu);
    m_view->viewport()->setMouseTracking(true);
    m_view->viewport()->installEventFilter(this);
    m_view->installEventFilter(this);
    layout->addWidget(m_view, 1);
}

void ToDoWindow::createActions()
{
    QAction *add = makeAction(this, "ActionAdd", QStringLiteral("Add..."), {}, QKeySequence(Qt::Key_Insert));
    connect(add, &QAction::triggered, this, &ToDoWindow::addItem);
    QAction *remove = makeAction(this, "ActionRemove", QStringLiteral("Delete"), {}, QKeySequence(Qt::Key_Delete));
    connect(remove, &QAction::triggered, this, &ToDoWindow::deleteSelectedItem);
    addActions({add, remove});
}

MessageBoxes &ToDoWindow::messages()
{
    return m_context.messagesAbout(this);
}

int ToDoWindow::selectedIndex() const
{
    const QModelIndexList rows = m_view->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void ToDoWindow::showWindow(bool activate)
{
    setAttribute(Qt::WA_ShowWithoutActivating, !activate);
    show();
    raise();
    if (activate)
        activateWindow();
}

void ToDoWindow::updateCaption()
{
    setWindowTitle(QString::fromUtf16(kToDoCaption) + QString::number(m_list.count()));
}

void ToDoWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    updateCaption();
    m_docking->onShow();
}

bool ToDoWindow::event(QEvent *event)
{
    if (event->type() == QEvent::WindowDeactivate) {
        m_docking->onDeactivate();
        if (m_links.left)
            m_links.left();
    } else {
        followMouse(event->type());
    }
    return QWidget::event(event);
}

void ToDoWindow::followMouse(QEvent::Type type)
{
    if (type == QEvent::Enter || type == QEvent::MouseMove)
        m_docking->onMouseOver();
    else if (type == QEvent::Leave)
        m_docking->onMouseLeft();
}

void ToDoWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        closeWindow();
    else
        QWidget::keyPressEvent(event);
}

bool ToDoWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_view && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        closeWindow();
        return true;
    }
    if (watched == m_view->viewport()) {
        if (event->type() == QEvent::MouseButtonPress
            && static_cast<QMouseEvent *>(event)->button() == Qt::RightButton) {
            onListRightClick(static_cast<QMouseEvent *>(event)->position().toPoint());
            return true;
        }
        followMouse(event->type());
    }
    return QWidget::eventFilter(watched, event);
}

void ToDoWindow::onListRightClick(QPoint at)
{
    const QModelIndex index = m_view->indexAt(at);
    const QPoint global = m_view->viewport()->mapToGlobal(at);
    if (!index.isValid()) {
        m_menus->belowItems()->popup(global);
        return;
    }
    m_view->setFocus(Qt::MouseFocusReason);
    m_view->setCurrentIndex(index);
    m_menus->onItem()->popup(global);
}

void ToDoWindow::run(ToDoMenus::Command command)
{
    using C = ToDoMenus::Command;
    switch (command) {
    case C::Add: addItem(); break;
    case C::Edit: editSelectedItem(); break;
    case C::Delete: deleteSelectedItem(); break;
    case C::ClearDone: onClearDoneItems(); break;
    case C::ClearAll: onClearAllItems(); break;
    case C::Archive: archiveAndClear(); break;
    case C::Statistics: showStatistics(); break;
    case C::StayOnTop: toggleStayOnTop(); break;
    case C::Options: showOptions(); break;
    case C::Close: closeWindow(); break;
    }
}

void ToDoWindow::addItem()
{
    const qsizetype before = m_list.count();
    m_links.compose([this, before] {
        updateCaption();
        if (m_list.count() > before)
            m_view->scrollToBottom();
    });
}

void ToDoWindow::editSelectedItem()
{
    const int selected = selectedIndex();
    if (selected < 0) {
        messages().notice(QString::fromUtf16(kSelectItemMessage));
        return;
    }
    m_links.editItem(selected);
}

void ToDoWindow::deleteSelectedItem()
{
    const int selected = selectedIndex();
    if (selected < 0) {
        messages().notice(QString::fromUtf16(kSelectItemMessage));
        return;
    }
    m_list.DeleteToDoItem(selected);
    updateCaption();
}

void ToDoWindow::onClearDoneItems()
{
    clearAfterYes(kClearSelectedQuestion, &ToDoListModel::ClearDoneItems);
}

void ToDoWindow::onClearAllItems()
{
    clearAfterYes(kClearAllQuestion, &ToDoListModel::ClearAllItems);
}

void ToDoWindow::clearAfterYes(const char16_t *question, void (ToDoListModel::*clear)())
{
    messages().ask(QString::fromUtf16(question), false, [this, clear](MessageBoxes::Answer answer) {
        if (answer != MessageBoxes::Answer::Yes)
            return;
        (m_list.*clear)();
        updateCaption();
    });
}

void ToDoWindow::archiveAndClear()
{
    if (const std::optional<QString> error = m_list.ArchiveToDoList(QDir::currentPath()))
        messages().error(*error);
    updateCaption();
}

void ToDoWindow::showStatistics()
{
    m_links.showStatistics([this] { updateCaption(); });
}

void ToDoWindow::toggleStayOnTop()
{
    const bool onTop = !windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    m_menus->setStayOnTopTicked(onTop);
    SetStaysOnTop(*this, onTop);
}

void ToDoWindow::showOptions()
{
    if (m_links.showOptions)
        m_links.showOptions();
}

void ToDoWindow::closeWindow()
{
    close();
}

} // namespace veltrano
