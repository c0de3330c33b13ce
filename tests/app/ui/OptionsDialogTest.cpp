// The options dialog in the program as it is put together: its page by
// opener, OK and Cancel, and how loading and its controls act on the to-do
// window's blending at once.
#include "app/ui/OptionsDialog.h"
#include "app/ui/OptionsFeature.h"
#include "todo/ui/ToDoDocking.h"

#include "support/AssembledProgram.h"
#include "todo/ui/ToDoWindow.h"
#include "todo/ui/ToDoFeature.h"

#include <QCheckBox>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace veltrano;
using namespace veltrano::test;

namespace {

class ConfTest : public AssembledProgram {
protected:
    OptionsDialog *dialog() const { return &program->options().dialog(); }
    template <typename T> T *control(const char *name) const
    {
        return found<T>(dialog()->findChild<T *>(QLatin1String(name)), name);
    }
    ToDoWindow &toDo() const { return program->toDo().window(); }
    ToDoDocking &blend() const { return toDo().docking(); }
    const ConfigurationValues &values() const { return program->options().values().values(); }
    // Opens the dialog the way `open` does and works it while it is shown.
    void run(const std::function<void()> &open, const std::function<void(OptionsDialog &)> &work)
    {
        dialogs.answer = [work](QDialog &shown) {
            shown.show();
            work(static_cast<OptionsDialog &>(shown));
            shown.hide();
        };
        open();
        dialogs.answer = nullptr;
    }
    QString shownPage() const
    {
        auto *pages = control<QTabWidget>("PageControl");
        QStringList visible;
        for (int i = 0; i < pages->count(); ++i)
            if (pages->isTabVisible(i))
                visible << pages->widget(i)->objectName();
        EXPECT_EQ(visible.size(), 1) << visible.join(u',').toStdString();
        return pages->currentWidget()->objectName();
    }
};

TEST_F(ConfTest, OpensOnCommonFromTheMainWindowAndOnToDoesFromTheToDoWindow)
{
    create();
    EXPECT_EQ(dialog()->windowTitle(), u"Configuration");
    EXPECT_EQ(dialog()->size(), QSize(298, 211));
    QString page;
    const auto readPage = [&](OptionsDialog &) { page = shownPage(); };
    run([this] { toDo().showOptions(); }, readPage);
    EXPECT_EQ(page, u"TabSheetCommon");
    run([this] { action("ConfigurationFormShow")->trigger(); }, readPage);
    EXPECT_EQ(page, u"Common");
    // Whichever page it was closed on.
    run([this] { toDo().showOptions(); }, [&](OptionsDialog &) {
        control<QTreeWidget>("TreeView1")->setCurrentItem(control<QTreeWidget>("TreeView1")->topLevelItem(0));
    });
    run([this] { toDo().showOptions(); }, readPage);
    EXPECT_EQ(page, u"TabSheetCommon");
    EXPECT_EQ(dialogs.ran.size(), 4);
}

TEST_F(ConfTest, CancelLeavesTheFileButTheBlendingSetMeanwhileStays)
{
    create("[Common]\r\nTo-Do Alpha=1\r\nTo-Do Alpha Pos=230\r\n");
    const QByteArray before = ini();
    run([this] { toDo().showOptions(); }, [this](OptionsDialog &) {
        control<QSlider>("TrackBarToDo")->setValue(100);
        control<QCheckBox>("CheckBox1")->setChecked(false);
        control<QPushButton>("CancelButton")->click();
    });
    EXPECT_EQ(ini(), before);
    EXPECT_TRUE(blend().blending());
    EXPECT_EQ(blend().blendValue(), 100);
    // The next opening loads the stored values again, and the window follows.
    run([this] { toDo().showOptions(); }, [this](OptionsDialog &) {
        EXPECT_EQ(control<QSlider>("TrackBarToDo")->value(), 230);
        EXPECT_TRUE(control<QCheckBox>("CheckBox1")->isChecked());
        QTest::keyClick(dialog(), Qt::Key_Escape);
    });
    EXPECT_EQ(blend().blendValue(), 230);
    EXPECT_EQ(ini(), before);
}

// With nothing stored the dialog shows what is in effect: start-up restores
// the main window's place and size, so both boxes are ticked, and OK for any
// other reason keeps them so.
TEST_F(ConfTest, OkSavesEveryControlAndQasAlphaFollowsToDoAlpha)
{
    create();
    run([this] { action("ConfigurationFormShow")->trigger(); }, [this](OptionsDialog &) {
        EXPECT_TRUE(control<QCheckBox>("CheckBox1")->isChecked());
        EXPECT_TRUE(control<QCheckBox>("CheckBox2")->isChecked());
        control<QCheckBox>("CheckBoxSaveDeduviPosition")->setChecked(true);
        control<QCheckBox>("CheckBoxToDoAlpha")->setChecked(false);
        control<QCheckBox>("CheckBoxToDoAutostart")->setChecked(false);
        control<QPushButton>("OK")->click();
    });
    const QByteArray settings = ini();
    for (const char *line : {"To-Do Pos=1\r\n", "To-Do Alpha=0\r\n", "QAS Alpha=0\r\n", "To-Do Alpha Pos=230\r\n",
                             "Clock Position=1\r\n", "SaveWinPos=1\r\n", "SaveWinSize=1\r\n",
                             "To-Do Autostart=0\r\n"})
        EXPECT_TRUE(settings.contains(line)) << line;
    EXPECT_FALSE(blend().blending());
}

// At start-up the slider stands at 255: any other stored position ticks the
// blending on, whatever "To-Do Alpha" holds, until the dialog is first opened.
TEST_F(ConfTest, StartUpBlendsByTheStoredPositionUntilTheFirstOpening)
{
    create("[Common]\r\nTo-Do Alpha=0\r\nTo-Do Alpha Pos=230\r\n");
    EXPECT_TRUE(blend().blending());
    EXPECT_EQ(blend().blendValue(), 230);
    run([this] { action("ConfigurationFormShow")->trigger(); }, [this](OptionsDialog &) {
        EXPECT_FALSE(control<QCheckBox>("CheckBoxToDoAlpha")->isChecked());
    });
    EXPECT_FALSE(blend().blending());
    EXPECT_EQ(toDo().windowOpacity(), 1.0);
}

TEST_F(ConfTest, OpaqueFromTheStartWhenTheStoredPositionIs255AndBlendingIsOff)
{
    create("[Common]\r\nTo-Do Alpha=0\r\nTo-Do Alpha Pos=255\r\n");
    EXPECT_FALSE(blend().blending());
    EXPECT_FALSE(values().toDoAlpha);
}

// Until it is first opened there is no dialog, yet the options hold a stored
// position beyond the slider's range at its nearest end, as the slider does.
TEST_F(ConfTest, AStoredPositionBeyondTheSliderIsHeldAtItsNearestEnd)
{
    create("[Common]\r\nTo-Do Alpha=0\r\nTo-Do Alpha Pos=300\r\n");
    for (const QWidget *window : QApplication::topLevelWidgets())
        EXPECT_NE(window->objectName(), QStringLiteral("Configuration"));
    EXPECT_EQ(values().toDoAlphaPos, 255);
    EXPECT_FALSE(blend().blending()); // the slider stood at 255 already: nothing moved
    run([this] { action("ConfigurationFormShow")->trigger(); }, [this](OptionsDialog &) {
        EXPECT_EQ(control<QSlider>("TrackBarToDo")->value(), 255);
        EXPECT_FALSE(control<QCheckBox>("CheckBoxToDoAlpha")->isChecked());
    });
    shutDown();

    create("[Common]\r\nTo-Do Alpha=0\r\nTo-Do Alpha Pos=-20\r\n");
    EXPECT_EQ(values().toDoAlphaPos, 0);
    EXPECT_TRUE(values().toDoAlpha);
    EXPECT_TRUE(blend().blending());
    EXPECT_EQ(blend().blendValue(), 0);
}

TEST_F(ConfTest, SliderActsAtOnceAndTheArrowsShowTheToDoWindow)
{
    create("[Common]\r\nTo-Do Autostart=0\r\n");
    ASSERT_FALSE(toDo().isVisible());
    run([this] { toDo().showOptions(); }, [this](OptionsDialog &) {
        control<QCheckBox>("CheckBoxToDoAlpha")->setChecked(false);
        control<QSlider>("TrackBarToDo")->setValue(0);
        EXPECT_TRUE(control<QCheckBox>("CheckBoxToDoAlpha")->isChecked()); // moving the slider ticks it
        EXPECT_EQ(toDo().windowOpacity(), 0.0);
        auto *arrows = control<QToolButton>("SpeedButton1");
        EXPECT_EQ(arrows->text(), u">>");
        EXPECT_FALSE(arrows->accessibleName().isEmpty());
        arrows->click();
        EXPECT_TRUE(toDo().isVisible());
        // Shown again, the window works its value out from the slider, less 10
        // but never below clear.
        EXPECT_EQ(blend().blendValue(), 0);
    });
    EXPECT_FALSE(control<QTreeWidget>("TreeView1")->accessibleName().isEmpty());
    EXPECT_FALSE(control<QSlider>("TrackBarToDo")->accessibleName().isEmpty());
}

} // namespace
