// The to-do window's check list: the whole text of a cut-off item as a tip,
// and a long list costing only the rows in view.
#include "todo/ui/ToDoListView.h"

#include "platform/fake/FakePlatform.h"
#include "support/TempFolder.h"
#include "todo/logic/ToDoListModel.h"

#include <QHelpEvent>
#include <QStyledItemDelegate>
#include <QTest>
#include <QTextDocument>
#include <QToolTip>
#include <gtest/gtest.h>

using namespace veltrano;
using namespace veltrano::test;

namespace {

class ToDoListViewTest : public ::testing::Test {
protected:
    void load(const QByteArray &file)
    {
        data.write(QStringLiteral("list.todo"), file);
        list.LoadToDoFile();
        view.setModel(&list);
        view.resize(220, 300);
        view.show();
    }
    // What the user sees after resting the mouse on `row`.
    void restOn(int row)
    {
        const QPoint at(30, view.visualRect(list.index(row)).center().y());
        QHelpEvent help(QEvent::ToolTip, at, view.viewport()->mapToGlobal(at));
        QCoreApplication::sendEvent(view.viewport(), &help);
    }
    static QString tipAsRead()
    {
        QTextDocument shown;
        shown.setHtml(QToolTip::text());
        return shown.toPlainText();
    }

    TempFolder data;
    FakeFileSystem files;
    Utf8SystemCodec codec{TextEncoding::Windows1251, false};
    ToDoListModel list{files, codec, data.path(), [](const IoStatus &) {}};
    ToDoListView view;
};

TEST_F(ToDoListViewTest, CutOffItemShowsItsWholeTextAsTypedOthersNoTip)
{
    const QString longText = QStringLiteral("1) [Call <b>Bob</b> &amp;  Ann about ") + QString(40, u'w')
                             + QStringLiteral(" before Friday]");
    load("0Short\r\n1" + longText.toUtf8() + "\r\n");
    QToolTip::hideText();

    restOn(0);
    EXPECT_FALSE(QToolTip::isVisible());
    restOn(1);
    ASSERT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(tipAsRead(), longText); // markup-like text as typed, both spaces kept
    EXPECT_LT(QToolTip::text().size(), longText.size() * 2); // no per-character markup

    // Wide enough to show it whole: no tip.
    view.resize(3000, 300);
    restOn(1);
    EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 2000));
}

// Counts what the view asks its rows for.
class CountingDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        ++sized;
        return QStyledItemDelegate::sizeHint(option, index);
    }
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        ++painted;
        QStyledItemDelegate::paint(painter, option, index);
    }
    mutable int sized = 0;
    mutable int painted = 0;
};

TEST_F(ToDoListViewTest, AHundredThousandItemsCostOnlyTheRowsInView)
{
    QByteArray file;
    for (int i = 0; i < 100000; ++i)
        file += "0item number " + QByteArray::number(i) + " with a text longer than the window is wide\r\n";
    CountingDelegate counting;
    view.setItemDelegate(&counting);
    load(file);
    view.grab();
    view.scrollToBottom();
    view.grab();
    EXPECT_LE(counting.sized, 4);
    EXPECT_GT(counting.painted, 0);
    EXPECT_LT(counting.painted, 200);
    view.setItemDelegate(nullptr);
}

} // namespace
