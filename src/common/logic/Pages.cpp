#include "common/logic/Pages.h"

#include <QtGlobal>

namespace veltrano {

const std::array<PageRow, kPageCount> &PageTable()
{
    // Planner and Notelist are hidden and disabled, Bluetooth and Marrowby
    // hidden; their pages wait for their features.
    static const std::array<PageRow, kPageCount> rows{{
        {Page::Today, "TabSheetToday", "Today", Command::ShowTodayPage, Command::ObjectsToday, "Today", true,
         {"Image2", "Label1", "Today", "panel_today", 8, 40, true, true}},
        {Page::Projects, "TabSheetProjects", "Projects", Command::ShowProjectsPage, Command::ObjectsProjects, "Worklist",
         true, {"Image3", "Label3", "Worklist", "panel_worklist", 59, 93, true, true}},
        {Page::TheContacts, "TabSheetTheContacts", "Contacts", Command::ShowStructuresPage, Command::ObjectsStructures,
         "Contactlist", false, {"Image1", "Label4", "Planner", "panel_planner", 112, 146, false, false}},
        {Page::Notelist, "TabSheetNotelist", "My Page", Command::ShowMyPage, Command::ObjectsMyPage, "Planner", false,
         {"Image5", "Label6", "Notelist", "panel_notelist", 162, 196, false, false}},
        {Page::Tasks, "TabSheetTasks", "Wake Up!", Command::ShowTasksPage, Command::ObjectsTasks, "Alarm-Clock", true,
         {"Image6", "Label7", "Wake Up!", "panel_wakeup", 214, 248, true, true}},
        {Page::Notes, "TabSheetNotes", "Notes", Command::ShowNotesPage, Command::ObjectsNotes, "Notes", false,
         {"Image7", "Label8", "Bluetooth", "panel_bluetooth", 263, 297, false, true}},
        {Page::Contacts, "TabSheetContacts", "Contacts", Command::ShowContactsPage, Command::ObjectsContacts, "Contacts",
         false, {"Image8", "Label9", "Marrowby", "panel_marrowby", 320, 354, false, true}},
    }};
    return rows;
}

const PageRow &PageRowOf(Page page)
{
    return PageTable()[static_cast<size_t>(page)];
}

unsigned PanelItemOf(Page page)
{
    return static_cast<unsigned>(page) + 1;
}

Page PageOfPanelItem(unsigned item)
{
    Q_ASSERT(item >= 1 && item <= kPageCount);
    return static_cast<Page>(item - 1);
}

} // namespace veltrano
