// The file-system calls QtFileSystem leaves to each OS, on Win32: listing in
// the order NTFS keeps, mount points, reading only what is a file, and
// replacing a file whole.
#include "platform/qt/QtFileSystem.h"

#include "platform/win32/Win32Text.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <vector>

#include <windows.h>

namespace veltrano {
namespace {

class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : m_handle(handle) {}
    ~FileHandle()
    {
        if (valid())
            CloseHandle(m_handle);
    }
    FileHandle(const FileHandle &) = delete;
    FileHandle &operator=(const FileHandle &) = delete;
    HANDLE get() const { return m_handle; }
    bool valid() const { return m_handle != INVALID_HANDLE_VALUE; }
    // Closes now and tells whether the close went well.
    bool close()
    {
        const bool closed = CloseHandle(m_handle) != FALSE;
        m_handle = INVALID_HANDLE_VALUE;
        return closed;
    }

private:
    HANDLE m_handle;
};

QString nativePath(const QString &path)
{
    return QDir::toNativeSeparators(QDir::cleanPath(path));
}

IoStatus systemRefusal()
{
    return IoStatus::failure(lastSystemMessage());
}

// NTFS keeps a folder's entries by their names upper-cased code unit by code
// unit, which is the order Explorer's plain listing and the Linux build use.
QString sortKey(const QString &name)
{
    QString key(name.size(), Qt::Uninitialized);
    QChar *out = key.data();
    for (QChar ch : name)
        *out++ = QChar(QChar::toUpper(ch.unicode()));
    return key;
}

FolderEntry::Kind kindOf(const WIN32_FIND_DATAW &found)
{
    // A junction or a symbolic link: never followed as if it were a folder.
    if (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT
        && (found.dwReserved0 == IO_REPARSE_TAG_SYMLINK || found.dwReserved0 == IO_REPARSE_TAG_MOUNT_POINT))
        return FolderEntry::Kind::Link;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        return FolderEntry::Kind::Folder;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DEVICE)
        return FolderEntry::Kind::Other;
    return FolderEntry::Kind::File;
}

QString randomLettersAndDigits()
{
    static constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QString random(6, Qt::Uninitialized);
    for (QChar &c : random)
        c = QLatin1Char(kAlphabet[QRandomGenerator::global()->bounded(int(sizeof kAlphabet - 1))]);
    return random;
}

bool writeAll(HANDLE file, const QByteArray &bytes)
{
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const DWORD chunk = DWORD(std::min<qsizetype>(left, qsizetype(1) << 30));
        DWORD written = 0;
        if (!WriteFile(file, data, chunk, &written, nullptr))
            return false;
        if (written == 0) {
            SetLastError(ERROR_DISK_FULL);
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

bool readAll(HANDLE file, QByteArray &bytes, qint64 maxBytes)
{
    qsizetype filled = 0;
    while (filled < bytes.size()) {
        DWORD got = 0;
        const DWORD chunk = DWORD(std::min<qsizetype>(bytes.size() - filled, qsizetype(1) << 30));
        if (!ReadFile(file, bytes.data() + filled, chunk, &got, nullptr))
            return false;
        if (got == 0) {
            bytes.truncate(filled); // it shrank meanwhile
            return true;
        }
        filled += got;
    }
    // A file still growing: what follows the size taken, no more than one
    // byte past the bound.
    char more[4096];
    while (bytes.size() <= maxBytes) {
        DWORD got = 0;
        if (!ReadFile(file, more, sizeof more, &got, nullptr))
            return false;
        if (got == 0)
            break;
        bytes.append(more, got);
    }
    return true;
}

} // namespace

std::optional<QByteArray> QtFileSystem::readRegularFile(const QString &path, qint64 maxBytes, QString &reason)
{
    // Others may go on writing and even renaming the file while we read:
    // Notepad and a sync tool hold files open that way.
    const FileHandle file(CreateFileW(wide(nativePath(path)), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) {
        // A folder cannot be opened this way at all; it is no regular file.
        reason = GetLastError() == ERROR_ACCESS_DENIED && QFileInfo(path).isDir() ? NotRegularFileReason()
                                                                                 : lastSystemMessage();
        return std::nullopt;
    }
    // A device or a pipe (CON, NUL, \\.\pipe\...) is no file: it may never end.
    BY_HANDLE_FILE_INFORMATION info;
    if (GetFileType(file.get()) != FILE_TYPE_DISK || !GetFileInformationByHandle(file.get(), &info)
        || (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        reason = NotRegularFileReason();
        return std::nullopt;
    }
    const qint64 size = (qint64(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
    if (size > maxBytes) {
        reason = TooLargeReason(maxBytes);
        return std::nullopt;
    }
    QByteArray bytes(qsizetype(size), Qt::Uninitialized);
    if (!readAll(file.get(), bytes, maxBytes)) {
        reason = lastSystemMessage();
        return std::nullopt;
    }
    if (bytes.size() > maxBytes) {
        reason = TooLargeReason(maxBytes);
        return std::nullopt;
    }
    return bytes;
}

IoStatus QtFileSystem::writeBesideAndRename(const QString &target, const QByteArray &bytes)
{
    const QFileInfo info(target);
    const QString folder = info.absolutePath() + u'/';
    HANDLE created = INVALID_HANDLE_VALUE;
    QString temporary;
    for (int attempt = 0; attempt < 100 && created == INVALID_HANDLE_VALUE; ++attempt) {
        temporary = nativePath(folder + ReplaceTemporaryName(info.fileName(), randomLettersAndDigits()));
        // Hidden: Explorer does not show the half-written file; a dot name
        // alone does not hide it there.
        created = CreateFileW(wide(temporary), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_HIDDEN, nullptr);
        if (created == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS)
            break;
    }
    FileHandle file(created);
    if (!file.valid())
        return systemRefusal();
    // The data must be on the disk before the rename makes them the file's.
    IoStatus status = writeAll(file.get(), bytes) && FlushFileBuffers(file.get()) ? IoStatus::success()
                                                                                   : systemRefusal();
    if (!file.close() && status)
        status = systemRefusal();
    // The new file takes the old one's attributes, hidden and system among
    // them, rather than ours for the temporary.
    const QString targetPath = nativePath(target);
    const DWORD oldAttributes = GetFileAttributesW(wide(targetPath));
    const DWORD attributes = oldAttributes == INVALID_FILE_ATTRIBUTES ? FILE_ATTRIBUTE_NORMAL : oldAttributes;
    if (status && !SetFileAttributesW(wide(temporary), attributes & ~FILE_ATTRIBUTE_READONLY))
        status = systemRefusal();
    if (status && !MoveFileExW(wide(temporary), wide(targetPath), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        status = systemRefusal();
    if (!status)
        DeleteFileW(wide(temporary));
    return status;
}

IoStatus QtFileSystem::makePath(const QString &folder)
{
    if (folder.isEmpty()) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return systemRefusal();
    }
    const QString path = nativePath(folder);
    if (CreateDirectoryW(wide(path), nullptr))
        return IoStatus::success();
    DWORD error = GetLastError();
    if (error == ERROR_ALREADY_EXISTS) {
        const DWORD attributes = GetFileAttributesW(wide(path));
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
            return IoStatus::success();
        SetLastError(ERROR_ALREADY_EXISTS);
        return systemRefusal();
    }
    const qsizetype slash = path.lastIndexOf(u'\\');
    // "C:" or "\\server\share": nothing above it to make.
    if (error != ERROR_PATH_NOT_FOUND || slash < 3)
        return systemRefusal();
    if (const IoStatus parent = makePath(path.left(slash)); !parent)
        return parent;
    if (CreateDirectoryW(wide(path), nullptr))
        return IoStatus::success();
    return systemRefusal();
}

IoStatus QtFileSystem::rename(const QString &from, const QString &to)
{
    // Without MOVEFILE_REPLACE_EXISTING nothing is ever put in place of
    // what is there; a folder moves only within its volume this way.
    if (MoveFileExW(wide(nativePath(from)), wide(nativePath(to)), 0))
        return IoStatus::success();
    return systemRefusal();
}

QList<FolderEntry> QtFileSystem::listFolder(const QString &folder) const
{
    const QString pattern = nativePath(folder) + QStringLiteral("\\*");
    WIN32_FIND_DATAW found;
    // FindExInfoBasic: the short 8.3 name is not looked up.
    HANDLE search = FindFirstFileExW(wide(pattern), FindExInfoBasic, &found, FindExSearchNameMatch, nullptr,
                                     FIND_FIRST_EX_LARGE_FETCH);
    if (search == INVALID_HANDLE_VALUE)
        return {};
    struct Keyed {
        QString key;
        FolderEntry entry;
    };
    std::vector<Keyed> entries;
    do {
        const QString name = fromWide(found.cFileName);
        if (name == u"." || name == u"..")
            continue;
        FolderEntry entry;
        entry.name = name;
        entry.hidden = (found.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN) != 0;
        entry.kind = kindOf(found);
        entries.push_back({sortKey(name), std::move(entry)});
    } while (FindNextFileW(search, &found));
    FindClose(search);
    std::sort(entries.begin(), entries.end(), [](const Keyed &a, const Keyed &b) {
        return a.key != b.key ? a.key < b.key : a.entry.name < b.entry.name;
    });
    QList<FolderEntry> list;
    list.reserve(qsizetype(entries.size()));
    for (Keyed &keyed : entries)
        list.append(std::move(keyed.entry));
    return list;
}

bool QtFileSystem::isMountPoint(const QString &folder) const
{
    // A drive's root, or a volume mounted on an empty NTFS folder.
    const QString path = nativePath(folder);
    wchar_t volume[MAX_PATH + 1];
    if (!GetVolumePathNameW(wide(path), volume, MAX_PATH + 1))
        return false;
    QString root = fromWide(volume);
    if (root.endsWith(u'\\'))
        root.chop(1);
    QString self = path;
    if (self.endsWith(u'\\'))
        self.chop(1);
    return root.compare(self, Qt::CaseInsensitive) == 0;
}

} // namespace veltrano
