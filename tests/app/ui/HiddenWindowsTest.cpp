// Windows are made when first needed: after start-up only the main window
// (and its menus) exists; a command makes its window once, and opening it
// again shows the same window.
#include "support/AssembledProgram.h"

#include <QApplication>
#include <QMenu>
#include <gtest/gtest.h>
#include <functional>

using namespace veltrano;
using namespace veltrano::test;

namespace {

struct MadeWhenNeeded {
    const char *window;  // its object name
    const char *command; // the main window's action that opens it
};

class HiddenWindows : public AssembledProgram, public ::testing::WithParamInterface<MadeWhenNeeded> {
protected:
    static int windowsNamed(const char *name)
    {
        int count = 0;
        for (const QWidget *window : QApplication::topLevelWidgets())
            count += window->objectName() == QLatin1String(name);
        return count;
    }
};

} // namespace

TEST_F(HiddenWindows, OnlyTheMainWindowExistsAfterStartUp)
{
    create("[Common]\r\nTo-Do Autostart=0\r\n");
    showStarted(); // the first frame, and what runs after it
    QStringList others;
    for (const QWidget *window : QApplication::topLevelWidgets()) {
        if (window != &main() && !qobject_cast<const QMenu *>(window))
            others << window->objectName();
    }
    EXPECT_TRUE(others.isEmpty()) << others.join(u',').toStdString();
}

TEST_P(HiddenWindows, ACommandMakesItsWindowOnce)
{
    const MadeWhenNeeded expected = GetParam();
    create("[Common]\r\nTo-Do Autostart=0\r\n");
    EXPECT_EQ(windowsNamed(expected.window), 0);
    action(expected.command)->trigger();
    EXPECT_EQ(windowsNamed(expected.window), 1);
    QWidget *window = topLevel(expected.window);
    window->hide();
    action(expected.command)->trigger();
    EXPECT_EQ(windowsNamed(expected.window), 1);
    EXPECT_EQ(topLevel(expected.window), window);
}

INSTANTIATE_TEST_SUITE_P(
    EachWindow, HiddenWindows,
    ::testing::Values(MadeWhenNeeded{"Configuration", "ConfigurationFormShow"},
                      MadeWhenNeeded{"FastToDo", "FastToDoListShow"}, MadeWhenNeeded{"frmWeekEditor", "WeekEditor1"},
                      MadeWhenNeeded{"frmNewProject", "NewProject2"}, MadeWhenNeeded{"frmClock", "ActionDeduviClockFormShow"},
                      MadeWhenNeeded{"frmPasswordGenerator", "PasswordGenerator1"},
                      MadeWhenNeeded{"AboutForm", "AboutFormShow"}),
    [](const ::testing::TestParamInfo<MadeWhenNeeded> &info) { return std::string(info.param.window); });
