#pragma once
#include "app/ui/Application.h"
#include "app/ui/MainWindow.h"
#include "platform/fake/FakePlatform.h"
#include "support/FakeMessageBoxes.h"
#include "support/FakeModalDialogs.h"
#include "support/TempFolder.h"

#include <QAction>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace veltrano::test {

// Every window as the program puts them together, on the fake platform with
// the program beside a temp data folder. shutDown() runs the program's end.
class AssembledProgram : public ::testing::Test {
protected:
    AssembledProgram() { platform.locationsFake.exePath = dir.file(QStringLiteral("veltrano")); }

    MainWindow &create(const QByteArray &ini = {})
    {
        if (!ini.isEmpty())
            dir.write(QStringLiteral("PM.INI"), ini);
        windows = std::make_unique<Application>(platform, messages, dialogs);
        return windows->main();
    }
    void shutDown() { windows.reset(); }
    // Shows the main window and waits for what starts after its first frame:
    // the tray icon and menu, the hot keys, the greeting.
    void showStarted()
    {
        QSignalSpy started(&main(), &MainWindow::started);
        main().show();
        ASSERT_TRUE(QTest::qWaitFor([&] { return started.count() > 0; }, 5000));
    }
    MainWindow &main() const { return windows->main(); }

    template <typename T = QWidget> T *widget(const char *name) const
    {
        T *found = main().findChild<T *>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QAction *action(const char *name) const { return widget<QAction>(name); }
    QByteArray ini() const { return dir.read(QStringLiteral("PM.INI")); }

    TempFolder dir;
    FakePlatform platform;
    FakeMessageBoxes messages;
    FakeModalDialogs dialogs;
    std::unique_ptr<Application> windows;
};

} // namespace veltrano::test
