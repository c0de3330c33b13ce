#include "platform/windows/WindowsTrash.h"

#include "platform/win32/Win32Text.h"

#include <QDir>
#include <QFileInfo>

#include <windows.h>

#include <shellapi.h>

namespace veltrano {

IoStatus WindowsTrash::moveToTrash(const QString &path)
{
    const QFileInfo item(path);
    if (!item.exists() && !item.isSymLink())
        return IoStatus::failure(systemMessage(ERROR_FILE_NOT_FOUND));
    const QString native = QDir::toNativeSeparators(item.absoluteFilePath());
    // The list ends with two NULs.
    std::wstring from = native.toStdWString();
    from.push_back(L'\0');
    SHFILEOPSTRUCTW operation = {};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    // FOF_WANTNUKEWARNING: what cannot go to a Recycle Bin (too large, a
    // drive that has none) is never erased without the user's word; a "No"
    // there leaves it in place and comes back as a refusal.
    operation.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT | FOF_WANTNUKEWARNING;
    const int result = SHFileOperationW(&operation);
    if (operation.fAnyOperationsAborted)
        return IoStatus::failure(QStringLiteral("The move to the Recycle Bin was cancelled"));
    // Below 0x71 the shell's codes are Win32 errors; its own above them name
    // nothing the system has words for.
    if (result != 0)
        return IoStatus::failure(result < 0x71 ? systemMessage(DWORD(result))
                                               : QStringLiteral("The shell could not move it (code 0x%1)")
                                                     .arg(result, 0, 16));
    return IoStatus::success();
}

} // namespace veltrano
