#include "platform/windows/WindowsPower.h"

#include <thread>

#include <windows.h>

#include <powrprof.h>

namespace veltrano {
namespace {

bool enableShutdownPrivilege()
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token))
        return false;
    TOKEN_PRIVILEGES privileges = {};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    bool enabled = LookupPrivilegeValueW(nullptr, SE_SHUTDOWN_NAME, &privileges.Privileges[0].Luid)
                   && AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr)
                   && GetLastError() == ERROR_SUCCESS; // not ERROR_NOT_ALL_ASSIGNED
    CloseHandle(token);
    return enabled;
}

} // namespace

bool WindowsPower::suspend()
{
    if (!enableShutdownPrivilege())
        return false;
    // SetSuspendState returns only after the machine wakes up again; the
    // windows must not stand still meanwhile, nor when a driver holds the
    // sleep up for a while.
    std::thread([] { SetSuspendState(FALSE, FALSE, FALSE); }).detach();
    return true;
}

} // namespace veltrano
