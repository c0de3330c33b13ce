#pragma once
#include "common/logic/IniDocument.h"
#include "platform/TextCodec.h"

#include <QList>
#include <QString>
#include <functional>
#include <optional>

namespace veltrano {

class FileSystem;

// The largest "PM.INI" read: every key of the program takes a few kilobytes.
// A larger file, or anything but a regular file, is taken for unreadable,
// and so is never written over.
inline constexpr qint64 kSettingsFileLimit = qint64(4) << 20;

// The program's one settings file ("PM.INI"). Reads come from memory; every
// write goes to the file at once, atomically, so a value survives a kill.
// The file may be edited (or synced in) while the program runs: a write puts
// the keys this run changed onto the file as it now is, so a section or key
// edited outside stays as edited. A
// write the file system refuses leaves both the file and the values in memory
// as they were, and is reported as "Unable to write to <file>": once, not
// again until a write has gone through (a full disk is told about once, not
// at every key).
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

    // Takes in the file as it now is when it was changed outside since the
    // program last read or wrote it, keeping the keys this run changed; true
    // when it did. Writes nothing.
    bool reloadIfChangedOutside();
    // Writes what is in memory once more (a write refused in the background
    // is tried again this way); false when refused (and reported).
    bool writeAgain();

    // The last writes of a run. While one lives, a refused write is held
    // rather than told, and every write after it is not even tried: the user
    // learns once, after everything else is saved, that the settings could
    // not be.
    class ExitWrites {
    public:
        explicit ExitWrites(SettingsStore &store) : m_store(store) { m_store.m_exitWrites = true; }
        ~ExitWrites() { m_store.m_exitWrites = false; }
        ExitWrites(const ExitWrites &) = delete;
        ExitWrites &operator=(const ExitWrites &) = delete;
        // The report of the refused write, if there was one.
        std::optional<QString> refusal() const { return m_store.m_heldRefusal; }

    private:
        SettingsStore &m_store;
    };

    static constexpr qsizetype kMaxStringLength = 2047;

private:
    // Reads the file; false when it exists but cannot be read.
    bool load();
    void reportRefused();
    bool writeDocument(IniDocument changed);

    struct ChangedKey {
        QString section;
        QString key;
        QString value;
    };

    FileSystem &m_files;
    const TextCodec &m_codec;
    QString m_fileName;
    ErrorReporter m_reportError;
    IniDocument m_document;
    QList<ChangedKey> m_changed; // by this run, in the order first changed
    TextEncoding m_encoding = TextEncoding::System;
    bool m_loaded = false;
    bool m_refusalTold = false; // since the last write that went through
    bool m_exitWrites = false;
    std::optional<QString> m_heldRefusal;
};

// The integer a settings value holds: decimal with an optional minus sign, or
// hexadecimal after "0x", "0X" or "$"; nothing for any other text.
std::optional<int> parseSettingsInteger(const QString &text);

} // namespace veltrano
