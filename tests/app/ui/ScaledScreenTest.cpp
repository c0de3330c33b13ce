// The windows on a small screen at 2x (see ScaledScreenTestMain.cpp).
#include "clocks/ui/ClockWindow.h"
#include "support/AssembledProgram.h"

#include <QAbstractScrollArea>
#include <QGuiApplication>
#include <QScrollBar>
#include <QScreen>

using namespace veltrano;
using namespace veltrano::test;

namespace {

using ScaledScreen = AssembledProgram;

QRect area()
{
    return QGuiApplication::primaryScreen()->availableGeometry();
}

} // namespace

TEST_F(ScaledScreen, TheScreenIsSmallAndScaled)
{
    ASSERT_EQ(QGuiApplication::primaryScreen()->devicePixelRatio(), 2.0);
    ASSERT_EQ(area().size(), QSize(640, 400));
}

// The stored 780 x 590 and the designed minimum of 600 x 400 do not fit:
// the window takes what the screen has, frame included, and hangs off nowhere.
TEST_F(ScaledScreen, TheRestoredMainWindowFitsTheScreen)
{
    create("[MainForm]\r\nWid=780\r\nHei=590\r\nLeft=0\r\nTop=0\r\n");
    main().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main()));
    QCoreApplication::processEvents();
    EXPECT_TRUE(area().contains(main().frameGeometry())) << main().frameGeometry().width() << "x"
                                                          << main().frameGeometry().height();
    EXPECT_EQ(main().frameGeometry().size(), area().size());
    shutDown();
    EXPECT_TRUE(ini().contains("Wid=640\r\nHei=400\r\n"));
}

TEST_F(ScaledScreen, TheTimelineEditorOpensWholeOnTheScreen)
{
    create();
    makeEveryWindow();
    auto *editor = topLevel<QDialog>("frmWeekEditor");
    editor->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(editor));
    QCoreApplication::processEvents();
    EXPECT_TRUE(area().contains(editor->frameGeometry()))
        << editor->frameGeometry().x() << "," << editor->frameGeometry().y() << " "
        << editor->frameGeometry().width() << "x" << editor->frameGeometry().height();
    EXPECT_EQ(editor->width(), 554); // only the height gives way
    // Every hour can still be reached: the grid scrolls.
    auto *grid = editor->findChild<QAbstractScrollArea *>(QStringLiteral("StringGrid"));
    ASSERT_NE(grid, nullptr);
    EXPECT_GT(grid->verticalScrollBar()->maximum(), 0);
}

// Drawn for the screen's pixels, not drawn at 1x and blown up.
TEST_F(ScaledScreen, TheDeskClockIsDrawnAtTheScreensPixelDensity)
{
    create();
    program->clocks().showClock();
    ClockWindow &clock = program->clocks().clockWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&clock));
    EXPECT_EQ(clock.handsPicture().devicePixelRatio(), 2.0);
    EXPECT_EQ(clock.handsPicture().size(), QSize(302, 302));
    EXPECT_EQ(clock.dialPicture().size(), QSize(302, 302));
    const QImage shown = clock.grab().toImage();
    EXPECT_EQ(shown.size(), ClockWindow::kClientSize * 2);
}
