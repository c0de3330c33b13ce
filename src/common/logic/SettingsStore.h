#pragma once
#include "common/logic/IniDocument.h"
#include "platform/TextCodec.h"

#include <QString>
#include <functional>

namespace veltrano {

class FileSystem;

// The largest "PM.INI" read: every key of the program takes a few kilobytes.
// A larger file, or anything but a regular file, is taken for unreadable,
// and so is never written over.
inline constexpr qint64 kSettingsFileLimit = qint64(4) << 20;

// The program's one settings file ("PM.INI"). Reads come from memory; every
// write goes to the file at once, atomically, so a value survives a kill. A
// write the file system refuses is reported as "Unable to write to <file>" and
// leaves both the file and the values in memory as they were.
class SettingsStore {
public:
    using ErrorReporter = std::function<void(const QString &message)>;

    SettingsStore(FileSystem &files, const TextCodec &codec, QString fileName, ErrorReporter reportError);

    QString fileName() const { return m_fileName; }

    QString readString(const QString &section, const QString &key, const QString &defaultValue) const;
    int readInteger(const QString &section, const QString &key, int defaultValue) const;
    bool readBool(const QString &section, const QString &key, bool defaultValue) const;

    // False when the write was refused (and reported).
    bool writeString(const QString &section, const QString &key, const QString &value);
    bool writeInteger(const QString &section, const QString &key, int value);
    bool writeBool(const QString &section, const QString &key, bool value);

    // From here on (the last writes of a run, made by every window as the
    // program ends) a refused write is reported only once: the user learns
    // the settings could not be saved, not once per window that tried.
    void reportRefusalsOnce() { m_reportOnce = true; }

    static constexpr qsizetype kMaxStringLength = 2047;

private:
    // Reads the file; false when it exists but cannot be read.
    bool load();
    void reportRefused();

    FileSystem &m_files;
    const TextCodec &m_codec;
    QString m_fileName;
    ErrorReporter m_reportError;
    IniDocument m_document;
    TextEncoding m_encoding = TextEncoding::System;
    bool m_loaded = false;
    bool m_reportOnce = false;
    bool m_refusalReported = false;
};

// The integer a settings value holds: decimal with an optional minus sign, or
// hexadecimal after "0x", "0X" or "$"; nothing for any other text.
std::optional<int> parseSettingsInteger(const QString &text);

} // namespace veltrano
