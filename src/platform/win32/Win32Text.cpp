#include "platform/win32/Win32Text.h"

#include <windows.h>

namespace veltrano {

QString systemMessage(unsigned long error)
{
    wchar_t *buffer = nullptr;
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM
                                            | FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, error, 0, reinterpret_cast<wchar_t *>(&buffer), 0, nullptr);
    QString text = length ? fromWide(buffer, length).trimmed() : QStringLiteral("Error %1").arg(error);
    LocalFree(buffer);
    return text;
}

QString lastSystemMessage()
{
    return systemMessage(GetLastError());
}

} // namespace veltrano
