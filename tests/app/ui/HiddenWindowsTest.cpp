// The windows made hidden at start-up and opened only when asked for: until
// then they hold no controls (no fonts measured, no pictures drawn), and the
// first opening builds them in full.
#include "support/AssembledProgram.h"

#include <QApplication>
#include <gtest/gtest.h>
#include <ostream>

using namespace veltrano;
using namespace veltrano::test;

namespace {

struct HiddenWindow {
    const char *window;  // its object name
    const char *control; // one control its build makes
};

void PrintTo(const HiddenWindow &hidden, std::ostream *out)
{
    *out << hidden.window;
}

class HiddenWindows : public AssembledProgram, public ::testing::WithParamInterface<HiddenWindow> {
protected:
    QWidget *topLevel(const char *name) const
    {
        for (QWidget *window : QApplication::topLevelWidgets())
            if (window->objectName() == QLatin1String(name))
                return window;
        return nullptr;
    }
};

} // namespace

TEST_P(HiddenWindows, HoldNoControlsAfterStartUpAndAllOfThemOnceOpened)
{
    const HiddenWindow expected = GetParam();
    create();
    showStarted(); // the first frame, and what runs after it
    QWidget *window = topLevel(expected.window);
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(window->findChildren<QWidget *>().isEmpty())
        << window->findChildren<QWidget *>().first()->objectName().toStdString();

    window->ensurePolished(); // what showing it does first
    EXPECT_NE(window->findChild<QWidget *>(QLatin1String(expected.control)), nullptr);
    const qsizetype built = window->findChildren<QWidget *>().size();
    window->show();
    window->hide();
    window->show();
    EXPECT_EQ(window->findChildren<QWidget *>().size(), built); // built once
    window->hide();
}

INSTANTIATE_TEST_SUITE_P(
    EachKind, HiddenWindows,
    ::testing::Values(HiddenWindow{"Configuration", "CheckBoxToDoAlpha"}, HiddenWindow{"ToDoEditForm", "CheckBoxNum"},
                      HiddenWindow{"frmToDoStatistica", "PaintBox"}, HiddenWindow{"frmToDoRedactor", "Edit"},
                      HiddenWindow{"frmKeyMap", "Button1"}, HiddenWindow{"frmWeekEditor", "StringGrid"},
                      HiddenWindow{"frmWeekEdit", "Edit"}, HiddenWindow{"frmWeekEdit1", "Edit"},
                      HiddenWindow{"frmNewProject", "Edit1"},
                      HiddenWindow{"frmProjectDelete", "Label2"}, HiddenWindow{"frmProjectRenamer", "Edit1"},
                      HiddenWindow{"frmNewSub", "Edit1"}, HiddenWindow{"frmPasswordGenerator", "Edit1"},
                      HiddenWindow{"AboutForm", "Thanks"}),
    [](const ::testing::TestParamInfo<HiddenWindow> &info) { return std::string(info.param.window); });
