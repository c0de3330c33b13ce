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

// What a data folder may hold in a file's place besides bytes, each standing
// for an input whose first line names it: "#hostile fifo", "#hostile device"
// (/dev/zero behind a link), "#hostile sparse" (a gigabyte of nothing) and
// "#hostile oversized" (one byte past the reader's bound). The readers must
// refuse each before reading a byte, and never write over it afterwards.
enum class Hostile { None, Fifo, Device, Sparse, Oversized };

inline Hostile hostileKind(const QByteArray &bytes)
{
    const qsizetype end = bytes.indexOf('\n');
    const QByteArray line = bytes.left(end < 0 ? bytes.size() : end).trimmed();
    if (line == "#hostile fifo")
        return Hostile::Fifo;
    if (line == "#hostile device")
        return Hostile::Device;
    if (line == "#hostile sparse")
        return Hostile::Sparse;
    if (line == "#hostile oversized")
        return Hostile::Oversized;
    return Hostile::None;
}

class MemoryFileSystem final : public FileSystem {
public:
    QHash<QString, QByteArray> files;
    QHash<QString, Hostile> hostile;

    bool exists(const QString &path) const override { return files.contains(path); }
    bool isFolder(const QString &) const override { return false; }
    std::optional<QByteArray> readFile(const QString &path, QString *reason, qint64 maxBytes) const override
    {
        const auto it = files.constFind(path);
        const auto refuse = [reason](const char *why) {
            if (reason)
                *reason = QString::fromLatin1(why);
            return std::nullopt;
        };
        if (it == files.cend())
            return refuse("No such file or directory");
        switch (hostile.value(path, Hostile::None)) {
        case Hostile::Fifo:
        case Hostile::Device:
            return refuse("It is not a regular file");
        case Hostile::Sparse:
            if (maxBytes < (qint64(1) << 30))
                return refuse("It is larger than such a file may hold");
            break;
        case Hostile::Oversized:
            return refuse("It is larger than such a file may hold");
        case Hostile::None:
            break;
        }
        if (it->size() > maxBytes)
            return refuse("It is larger than such a file may hold");
        return *it;
    }
    // As the real one: a FIFO or a device is not replaced.
    IoStatus replaceFile(const QString &path, const QByteArray &bytes) override
    {
        const Hostile kind = hostile.value(path, Hostile::None);
        if (kind == Hostile::Fifo || kind == Hostile::Device)
            return IoStatus::failure(QStringLiteral("It is not a regular file"));
        hostile.remove(path);
        files.insert(path, bytes);
        return IoStatus::success();
    }
    // Puts the input at `path`, as the kind its first line names.
    Hostile place(const QString &path, const QByteArray &bytes)
    {
        const Hostile kind = hostileKind(bytes);
        files.insert(path, bytes);
        if (kind != Hostile::None)
            hostile.insert(path, kind);
        return kind;
    }
    // Whether `path` is still what place() put there.
    bool untouched(const QString &path, const QByteArray &bytes, Hostile kind) const
    {
        return files.value(path) == bytes && hostile.value(path, Hostile::None) == kind;
    }
    QList<FolderEntry> listFolder(const QString &) const override { return {}; }
    IoStatus makePath(const QString &) override { return IoStatus::success(); }
    IoStatus rename(const QString &from, const QString &to) override
    {
        if (!files.contains(from))
            return IoStatus::failure(QStringLiteral("No such file or directory"));
        files.insert(to, files.take(from));
        if (hostile.contains(from))
            hostile.insert(to, hostile.take(from));
        return IoStatus::success();
    }
    bool removeFile(const QString &path) override
    {
        hostile.remove(path);
        return files.remove(path) > 0;
    }
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
