#pragma once
// The one place a QString meets a wide Win32 string. wchar_t is 16 bits wide
// on Windows, so a QString's UTF-16 is handed over as it is.
#include <QString>

namespace veltrano {

inline const wchar_t *wide(const QString &text)
{
    return reinterpret_cast<const wchar_t *>(text.utf16());
}

inline QString fromWide(const wchar_t *text, qsizetype length = -1)
{
    return QString::fromWCharArray(text, length);
}

// The system's text for a Win32 error code, without the line break it ends with.
QString systemMessage(unsigned long error);
// The same for GetLastError() as it stands.
QString lastSystemMessage();

} // namespace veltrano
