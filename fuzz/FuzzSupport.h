#pragma once
// Shared by the fuzz targets of the settings, to-do and day-file readers. Those
// readers take their files through the FileSystem seam, so the input is handed
// over in memory: no disk traffic per run, and nothing left behind by a crash.
#include "platform/FileSystem.h"
#include "platform/qt/Utf8SystemCodec.h"

#include <QDebug>
#include <QHash>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace veltrano::fuzz {

class MemoryFileSystem final : public FileSystem {
public:
    QHash<QString, QByteArray> files;

    bool exists(const QString &path) const override { return files.contains(path); }
    bool isFolder(const QString &) const override { return false; }
    std::optional<QByteArray> readFile(const QString &path, QString *reason) const override
    {
        const auto it = files.constFind(path);
        if (it != files.cend())
            return *it;
        if (reason)
            *reason = QStringLiteral("No such file or directory");
        return std::nullopt;
    }
    IoStatus replaceFile(const QString &path, const QByteArray &bytes) override
    {
        files.insert(path, bytes);
        return IoStatus::success();
    }
    QList<FolderEntry> listFolder(const QString &) const override { return {}; }
    IoStatus makePath(const QString &) override { return IoStatus::success(); }
    IoStatus rename(const QString &from, const QString &to) override
    {
        if (!files.contains(from))
            return IoStatus::failure(QStringLiteral("No such file or directory"));
        files.insert(to, files.take(from));
        return IoStatus::success();
    }
    bool removeFile(const QString &path) override { return files.remove(path) > 0; }
    bool removeFolder(const QString &) override { return true; }
    bool isMountPoint(const QString &) const override { return false; }
    int removeReplaceLeftovers(const QString &) override { return 0; }
};

inline QByteArray inputBytes(const uint8_t *data, size_t size)
{
    // A deep copy: the readers may keep the bytes beyond this run.
    return QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
}

// The program's codec as it runs (UTF-8 first, else a Windows code page
// guessed per file from its letters), or with each page held still so that
// all three are reached whatever the letters; taken from the input's last byte.
inline Utf8SystemCodec codecFor(const uint8_t *data, size_t size)
{
    switch (size == 0 ? 0 : data[size - 1] % 4) {
    case 1: return Utf8SystemCodec(TextEncoding::Windows1251, false);
    case 2: return Utf8SystemCodec(TextEncoding::Windows1252, false);
    case 3: return Utf8SystemCodec(TextEncoding::Windows1250, false);
    default: return Utf8SystemCodec();
    }
}

// A broken property is reported like a crash, so libFuzzer keeps the input.
inline void require(bool holds, const char *property)
{
    if (holds)
        return;
    std::fprintf(stderr, "property broken: %s\n", property);
    std::abort();
}

// The same, showing both sides, so a finding explains itself when rerun.
template <typename T>
void requireEqual(const T &got, const T &expected, const char *property)
{
    if (got == expected)
        return;
    QString shown;
    QDebug(&shown) << "\n  got:     " << got << "\n  expected:" << expected;
    std::fprintf(stderr, "%s\n", qPrintable(shown));
    require(false, property);
}

} // namespace veltrano::fuzz
