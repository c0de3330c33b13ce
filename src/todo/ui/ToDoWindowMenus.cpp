// The to-do window's two right-click menus and the commands they share with
// its keys and buttons.
#include "app/ui/MainWindow.h"
#include "common/logic/MessageBoxes.h"
#include "common/ui/Hints.h"
#include "common/ui/ModalDialogs.h"
#include "common/ui/WindowPlacement.h"
#include "todo/logic/ToDoListModel.h"
#include "todo/ui/NewToDoItemDialog.h"
#include "todo/ui/ToDoWindow.h"
#include "todo/ui/ToDoItemEditor.h"
#include "todo/ui/ToDoStatisticsDialog.h"

#include <QAction>
#include <QDir>
#include <QListView>
#include <QMenu>

namespace veltrano {
namespace {

// One row of the two menus: the object name of the item in `PopupMenu` (a
// click on an item) and in `PopupMenu1` (a click below the items). The
// shortcuts only show; the window's own keys do the work.
struct MenuRow {
    const char *onItem;
    const char *belowItems;
    const char *caption; // none: a separator
    const char *shortcut = nullptr;
    void (ToDoWindow::*command)() = nullptr;
    bool belowItemsEnabled = true;
};

const MenuRow kRows[] = {
    {"Add1", "MenuItem1", "Add...", "Ins", &ToDoWindow::addItem},
    {"N9", "MenuItem2", nullptr},
    {"NEdit", "MenuItem3", "Edit...", nullptr, &ToDoWindow::editSelectedItem, false},
    {"N27", "MenuItem4", nullptr},
    {"Delete1", "MenuItem5", "Delete", "Del", &ToDoWindow::deleteSelectedItem, false},
    {"N2", "MenuItem9", "Clear Selected", nullptr, &ToDoWindow::onClearDoneItems},
    {"N3", "MenuItem10", "Clear All", nullptr, &ToDoWindow::onClearAllItems},
    // Row 8, the hidden "Clearing" submenu, is built on its own.
    {"N7", "MenuItem11", nullptr},
    {"N5", "MenuItem12", "Statistics...", "Ctrl+I", &ToDoWindow::showStatistics},
    {"N1", "MenuItem13", nullptr},
    {"N6", "MenuItem14", "Stay On Top", nullptr, &ToDoWindow::toggleStayOnTop},
    {"N10", "MenuItem15", nullptr},
    {"N11", "MenuItem16", "Options...", nullptr, &ToDoWindow::showOptions},
    {"N12", "MenuItem17", nullptr},
    {"Close1", "MenuItem18", "Close (Esc)", nullptr, &ToDoWindow::closeWindow},
};

QString menuText(const MenuRow &row)
{
    QString text = QString::fromLatin1(row.caption);
    if (row.shortcut)
        text += u'\t' + QString::fromLatin1(row.shortcut);
    return text;
}

} // namespace

void ToDoWindow::createMenus()
{
    m_popupMenu = createMenu("PopupMenu", true);
    m_popupMenu1 = createMenu("PopupMenu1", false);
}

QMenu *ToDoWindow::createMenu(const char *name, bool onItem)
{
    auto *menu = named(new QMenu(this), name);
    for (const MenuRow &row : kRows) {
        const char *itemName = onItem ? row.onItem : row.belowItems;
        if (!row.caption) {
            menu->addSeparator()->setObjectName(QLatin1String(itemName));
            continue;
        }
        QAction *item = named(menu->addAction(menuText(row)), itemName);
        if (!onItem && !row.belowItemsEnabled) {
            item->setEnabled(false);
            continue;
        }
        if (row.command == &ToDoWindow::toggleStayOnTop) {
            item->setCheckable(true);
            m_stayOnTopItems << item;
        }
        connect(item, &QAction::triggered, this, row.command);
        if (row.command == &ToDoWindow::onClearAllItems) {
            // "Clearing" holds the archive command; nothing ever shows it.
            auto *clearing = named(new QMenu(QStringLiteral("Clearing"), menu), onItem ? "N8" : "MenuItem6");
            QAction *archive = named(clearing->addAction(QStringLiteral("Save And Clear...")),
                                     onItem ? "Archive1" : "MenuItem7");
            connect(archive, &QAction::triggered, this, &ToDoWindow::archiveAndClear);
            clearing->addSeparator()->setObjectName(QLatin1String(onItem ? "N4" : "MenuItem8"));
            menu->addMenu(clearing)->setVisible(false);
        }
    }
    return menu;
}

void ToDoWindow::addItem()
{
    const qsizetype before = m_list->count();
    if (m_composer)
        m_main.dialogs().exec(*m_composer);
    updateCaption();
    if (m_list->count() > before)
        m_view->scrollToBottom();
}

void ToDoWindow::editSelectedItem()
{
    const int selected = selectedIndex();
    if (selected < 0) {
        m_main.messages().notice(QString::fromUtf16(kSelectItemMessage));
        return;
    }
    if (!m_redactor)
        return;
    m_redactor->editedItemIndex = selected;
    m_main.dialogs().exec(*m_redactor);
}

void ToDoWindow::deleteSelectedItem()
{
    const int selected = selectedIndex();
    if (selected < 0) {
        m_main.messages().notice(QString::fromUtf16(kSelectItemMessage));
        return;
    }
    m_list->DeleteToDoItem(selected);
    updateCaption();
}

void ToDoWindow::onClearDoneItems()
{
    if (m_main.messages().ask(QString::fromUtf16(kClearSelectedQuestion), false) != MessageBoxes::Answer::Yes)
        return;
    m_list->ClearDoneItems();
    updateCaption();
}

void ToDoWindow::onClearAllItems()
{
    if (m_main.messages().ask(QString::fromUtf16(kClearAllQuestion), false) != MessageBoxes::Answer::Yes)
        return;
    m_list->ClearAllItems();
    updateCaption();
}

void ToDoWindow::archiveAndClear()
{
    if (const std::optional<QString> error = m_list->ArchiveToDoList(QDir::currentPath()))
        m_main.messages().error(*error);
    updateCaption();
}

void ToDoWindow::showStatistics()
{
    if (m_statistics) {
        m_statistics->setCounts(m_list->counts());
        m_main.dialogs().exec(*m_statistics);
    }
    updateCaption();
}

void ToDoWindow::toggleStayOnTop()
{
    m_stayOnTop = !m_stayOnTop;
    for (QAction *item : std::as_const(m_stayOnTopItems))
        item->setChecked(m_stayOnTop);
    SetStaysOnTop(*this, m_stayOnTop);
}

void ToDoWindow::showOptions()
{
    if (m_openOptions)
        m_openOptions();
}

void ToDoWindow::closeWindow()
{
    close();
}

} // namespace veltrano
