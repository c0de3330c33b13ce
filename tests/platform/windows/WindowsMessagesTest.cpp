// What comes to the program as window messages: hot keys and the end of the
// session.
#include "platform/windows/HiddenWindow.h"
#include "platform/windows/WindowsHotKeys.h"
#include "platform/windows/WindowsTermination.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <gtest/gtest.h>

using namespace veltrano;

namespace {

void processEventsFor(int ms)
{
    const QDeadlineTimer deadline(ms);
    while (!deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

// Every hidden window of ours of the given kind, newest first.
QList<HWND> hiddenWindows(HWND parent)
{
    QList<HWND> found;
    for (HWND window = nullptr;
         (window = FindWindowExW(parent, window, HiddenWindow::className(), nullptr)) != nullptr;)
        found.append(window);
    return found;
}

} // namespace

TEST(WindowsHotKeys, QtKeysBecomeVirtualKeysAndModifiers)
{
    const VirtualHotKey ctrlF1 = ToVirtualHotKey(Qt::Key_F1, Qt::ControlModifier);
    EXPECT_EQ(ctrlF1.key, unsigned(VK_F1));
    EXPECT_EQ(ctrlF1.modifiers, unsigned(MOD_CONTROL));
    const VirtualHotKey shiftF1 = ToVirtualHotKey(Qt::Key_F1, Qt::ShiftModifier);
    EXPECT_EQ(shiftF1.modifiers, unsigned(MOD_SHIFT));
    EXPECT_EQ(ToVirtualHotKey(Qt::Key_F12, 0).key, unsigned(VK_F12));
    EXPECT_EQ(ToVirtualHotKey(Qt::Key_T, Qt::AltModifier | Qt::MetaModifier).modifiers, unsigned(MOD_ALT | MOD_WIN));
    EXPECT_EQ(ToVirtualHotKey(Qt::Key_Escape, 0).key, 0u);
}

TEST(WindowsHotKeys, AKeyHeldElsewhereIsRefusedAndTheOtherStillRegisters)
{
    WindowsHotKeys first;
    WindowsHotKeys second;
    ASSERT_EQ(first.registerHotKey(1, Qt::Key_F9, Qt::ControlModifier | Qt::AltModifier), HotKeys::Refusal::None);
    EXPECT_EQ(second.registerHotKey(1, Qt::Key_F9, Qt::ControlModifier | Qt::AltModifier),
              HotKeys::Refusal::HeldByAnotherProgram);
    EXPECT_EQ(second.registerHotKey(2, Qt::Key_F10, Qt::ControlModifier | Qt::AltModifier), HotKeys::Refusal::None);
    EXPECT_EQ(second.registerHotKey(3, Qt::Key_Escape, 0), HotKeys::Refusal::Unsupported);
    // Let go, the key is free for the other.
    first.unregisterHotKey(1);
    EXPECT_EQ(second.registerHotKey(1, Qt::Key_F9, Qt::ControlModifier | Qt::AltModifier), HotKeys::Refusal::None);
}

TEST(WindowsHotKeys, APressArrivesAsItsIdFromTheEventLoop)
{
    WindowsHotKeys keys;
    ASSERT_EQ(keys.registerHotKey(7, Qt::Key_F11, Qt::ControlModifier | Qt::ShiftModifier), HotKeys::Refusal::None);
    QList<int> pressed;
    QObject::connect(&keys, &HotKeys::hotKeyPressed, [&](int id) { pressed.append(id); });
    const QList<HWND> windows = hiddenWindows(HWND_MESSAGE);
    ASSERT_FALSE(windows.isEmpty());
    for (HWND window : windows)
        SendMessageW(window, WM_HOTKEY, 7, 0);
    EXPECT_TRUE(pressed.isEmpty()); // not inside the window procedure
    processEventsFor(200);
    EXPECT_EQ(pressed, QList<int>{7});
}

TEST(WindowsTermination, TheSessionsEndRunsTheShutdownOnceAndLetsTheSessionEnd)
{
    WindowsTermination termination;
    int requests = 0;
    QObject::connect(&termination, &Termination::terminationRequested, [&] { ++requests; });
    termination.watch();
    termination.watch(); // twice is once
    const QList<HWND> windows = hiddenWindows(nullptr);
    ASSERT_EQ(windows.size(), 1);
    EXPECT_EQ(SendMessageW(windows[0], WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), LRESULT(TRUE));
    EXPECT_EQ(requests, 1);
    SendMessageW(windows[0], WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    EXPECT_EQ(requests, 1);
}

TEST(WindowsTermination, AnEndCalledOffIsNoRequest)
{
    WindowsTermination termination;
    int requests = 0;
    QObject::connect(&termination, &Termination::terminationRequested, [&] { ++requests; });
    termination.watch();
    const QList<HWND> windows = hiddenWindows(nullptr);
    ASSERT_EQ(windows.size(), 1);
    SendMessageW(windows[0], WM_ENDSESSION, FALSE, 0);
    EXPECT_EQ(requests, 0);
    // Without a question before it, the end itself asks for the shutdown.
    SendMessageW(windows[0], WM_ENDSESSION, TRUE, 0);
    EXPECT_EQ(requests, 1);
}
