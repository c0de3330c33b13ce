#pragma once
#include "common/logic/Commands.h"

#include <array>

namespace veltrano {

// Pages of PageControlTabManager, in tab order.
enum class Page { Today, Projects, TheContacts, Notelist, Tasks, Notes, Contacts };
inline constexpr int kPageCount = 7;

// The panel menu item that chooses a page: a picture above a caption.
struct PanelItem {
    const char *image;   // object name of the picture
    const char *label;   // object name of the caption
    const char *caption;
    const char *picture; // resources/icons/<picture>.svg
    int imageTop;
    int labelTop;
    bool shown;
    bool enabled;
};

// One row per page, and the only place that ties a page to its panel menu
// item (number = row + 1), its View > Objects item and its page action.
struct PageRow {
    Page page;
    const char *sheet;      // object name of the page
    const char *tabCaption;
    Command action;         // shows the page's tab alone
    Command objectsItem;    // ticked while the page is shown
    const char *objectsCaption;
    bool objectsShown;
    PanelItem panel;
};

const std::array<PageRow, kPageCount> &PageTable();
const PageRow &PageRowOf(Page page);
// 1 to 7.
unsigned PanelItemOf(Page page);
Page PageOfPanelItem(unsigned item);

} // namespace veltrano
