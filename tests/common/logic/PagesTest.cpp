#include "common/logic/Pages.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace veltrano;

// The page table is the only tie between a page, its panel item, its View >
// Objects item and its action: a row out of place would switch to the wrong
// page or tick the wrong item.
TEST(PageTable, EachPageHasItsOwnRowItemAndCommands)
{
    QSet<int> actions;
    QSet<int> items;
    QSet<QByteArray> sheets;
    for (int i = 0; i < kPageCount; ++i) {
        const auto page = static_cast<Page>(i);
        const PageRow &row = PageRowOf(page);
        EXPECT_EQ(row.page, page);
        EXPECT_EQ(PanelItemOf(page), unsigned(i + 1));
        EXPECT_EQ(PageOfPanelItem(PanelItemOf(page)), page);
        actions << int(row.action);
        items << int(row.objectsItem);
        sheets << QByteArray(row.sheet);
        EXPECT_TRUE(QByteArray(commandName(row.action)).startsWith("ActionShow")) << row.sheet;
    }
    EXPECT_EQ(actions.size(), kPageCount);
    EXPECT_EQ(items.size(), kPageCount);
    EXPECT_EQ(sheets.size(), kPageCount);
    EXPECT_EQ(QByteArray(PageRowOf(Page::Tasks).panel.label), "Label7");
    EXPECT_EQ(PageRowOf(Page::Tasks).objectsItem, Command::ObjectsTasks);
}
