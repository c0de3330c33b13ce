#include "todo/ui/ToDoMenus.h"

#include "common/ui/Hints.h"

#include <QAction>
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
    ToDoMenus::Command command = ToDoMenus::Command::Add;
    bool belowItemsEnabled = true;
};

using C = ToDoMenus::Command;
const MenuRow kRows[] = {
    {"Add1", "MenuItem1", "Add...", "Ins", C::Add},
    {"N9", "MenuItem2", nullptr},
    {"NEdit", "MenuItem3", "Edit...", nullptr, C::Edit, false},
    {"N27", "MenuItem4", nullptr},
    {"Delete1", "MenuItem5", "Delete", "Del", C::Delete, false},
    {"N2", "MenuItem9", "Clear Selected", nullptr, C::ClearDone},
    {"N3", "MenuItem10", "Clear All", nullptr, C::ClearAll},
    // Row 8, the hidden "Clearing" submenu, is built on its own.
    {"N7", "MenuItem11", nullptr},
    {"N5", "MenuItem12", "Statistics...", "Ctrl+I", C::Statistics},
    {"N1", "MenuItem13", nullptr},
    {"N6", "MenuItem14", "Stay On Top", nullptr, C::StayOnTop},
    {"N10", "MenuItem15", nullptr},
    {"N11", "MenuItem16", "Options...", nullptr, C::Options},
    {"N12", "MenuItem17", nullptr},
    {"Close1", "MenuItem18", "Close (Esc)", nullptr, C::Close},
};

QString menuText(const MenuRow &row)
{
    QString text = QString::fromLatin1(row.caption);
    if (row.shortcut)
        text += u'\t' + QString::fromLatin1(row.shortcut);
    return text;
}

} // namespace

ToDoMenus::ToDoMenus(QWidget &window) : QObject(&window), m_window(window) {}

QMenu *ToDoMenus::onItem()
{
    build();
    return m_onItem;
}

QMenu *ToDoMenus::belowItems()
{
    build();
    return m_belowItems;
}

void ToDoMenus::build()
{
    if (m_onItem)
        return;
    m_onItem = createMenu("PopupMenu", true);
    m_belowItems = createMenu("PopupMenu1", false);
    setStayOnTopTicked(m_stayOnTop);
}

QMenu *ToDoMenus::createMenu(const char *name, bool onItem)
{
    auto *menu = named(new QMenu(&m_window), name);
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
        if (row.command == C::StayOnTop) {
            item->setCheckable(true);
            m_stayOnTopItems << item;
        }
        connect(item, &QAction::triggered, this, [this, command = row.command] { emit chosen(command); });
        if (row.command == C::ClearAll) {
            // "Clearing" holds the archive command; nothing ever shows it.
            auto *clearing = named(new QMenu(QStringLiteral("Clearing"), menu), onItem ? "N8" : "MenuItem6");
            QAction *archive = named(clearing->addAction(QStringLiteral("Save And Clear...")),
                                     onItem ? "Archive1" : "MenuItem7");
            connect(archive, &QAction::triggered, this, [this] { emit chosen(C::Archive); });
            clearing->addSeparator()->setObjectName(QLatin1String(onItem ? "N4" : "MenuItem8"));
            menu->addMenu(clearing)->setVisible(false);
        }
    }
    return menu;
}

void ToDoMenus::setStayOnTopTicked(bool ticked)
{
    m_stayOnTop = ticked;
    for (QAction *item : std::as_const(m_stayOnTopItems))
        item->setChecked(ticked);
}

} // namespace veltrano
