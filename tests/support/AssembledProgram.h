#pragma once
#include "app/ui/Application.h"
#include "app/ui/MainWindow.h"
#include "app/ui/OptionsFeature.h"
#include "app/ui/TrayPlacement.h"
#include "clocks/ui/ClocksFeature.h"
#include "console/ui/ConsoleFeature.h"
#include "passwords/ui/PasswordsFeature.h"
#include "projects/ui/ProjectCommands.h"
#include "projects/ui/ProjectsFeature.h"
#include "timeline/ui/TimelineFeature.h"
#include "timeline/ui/WeekEditor.h"
#include "todo/ui/ToDoFeature.h"
#include "common/ui/AppContext.h"
#include "common/ui/MainFrame.h"
#include "platform/fake/FakePlatform.h"
#include "support/FakeMessageBoxes.h"
#include "support/FakeModalDialogs.h"
#include "support/TempFolder.h"

#include <QAction>
#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>

namespace veltrano::test {

// A control the test looked for is not there: the one test fails (gtest
// catches the exception), the rest of the binary runs on.
struct MissingControl : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The program as it is put together, on the fake platform with the program
// beside a temp data folder. shutDown() runs the program's end.
class AssembledProgram : public ::testing::Test {
protected:
    AssembledProgram() { platform.locationsFake.exePath = dir.file(QStringLiteral("veltrano")); }

    MainWindow &create(const QByteArray &ini = {})
    {
        if (!ini.isEmpty())
            dir.write(QStringLiteral("PM.INI"), ini);
        program = std::make_unique<Application>(platform, messages, dialogs);
        return program->mainWindow();
    }
    void shutDown()
    {
        program->shutDown();
        program.reset();
    }
    // Shows the main window and waits for what starts after its first frame:
    // the tray icon and menu, the hot keys, the greeting.
    void showStarted(void (QWidget::*show)() = &QWidget::show)
    {
        QSignalSpy started(&frame(), &MainFrame::started);
        (main().*show)();
        ASSERT_TRUE(QTest::qWaitFor([&] { return started.count() > 0; }, 5000));
    }
    MainWindow &main() const { return program->mainWindow(); }
    // Every window the program can show, made now (each is otherwise made the
    // first time it is needed).
    void makeEveryWindow() const;
    MainFrame &frame() const { return program->mainWindow().frame(); }

    template <typename T = QWidget> T *widget(const char *name) const
    {
        return found<T>(main().findChild<T *>(QLatin1String(name)), name);
    }
    QAction *action(const char *name) const { return widget<QAction>(name); }
    // A window of its own (made when first needed, so not the main window's child).
    template <typename T = QWidget> static T *topLevel(const char *name)
    {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window->objectName() == QLatin1String(name))
                return found<T>(qobject_cast<T *>(window), name);
        }
        return found<T>(nullptr, name);
    }
    QByteArray ini() const { return dir.read(QStringLiteral("PM.INI")); }

    template <typename T> static T *found(T *control, const char *name)
    {
        if (!control) {
            ADD_FAILURE() << "no control " << name;
            throw MissingControl(name);
        }
        return control;
    }

    TempFolder dir;
    FakePlatform platform;
    FakeMessageBoxes messages;
    FakeModalDialogs dialogs;
    std::unique_ptr<Application> program;
};

inline void AssembledProgram::makeEveryWindow() const
{
    program->tray().aboutDialog();
    ToDoFeature &toDo = program->toDo();
    toDo.window();
    toDo.composer();
    toDo.itemEditor();
    toDo.statistics();
    program->options().dialog();
    program->console().keymapInfo();
    TimelineFeature &timeline = program->timeline();
    timeline.weekEditor().editItemDialog();
    timeline.todayEditor();
    ProjectCommands &commands = program->projects().commands();
    commands.newProjectDialog();
    commands.newSubDialog();
    commands.renameDialog();
    commands.deleteDialog();
    program->clocks().clockWindow();
    program->passwords().dialog();
}

} // namespace veltrano::test
