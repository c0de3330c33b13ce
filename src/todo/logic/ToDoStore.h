#pragma once
#include "platform/IoStatus.h"
#include "platform/TextCodec.h"

#include <QList>
#include <QString>
#include <optional>

namespace veltrano {

class FileSystem;

inline constexpr auto kToDoFileName = u"list.todo";
inline constexpr auto kToDoSaveFailedMessage = u"Sorry. Can not save data from To-Do list.";
// A change that could not be saved while the program runs: "list.todo", why.
QString ToDoChangeNotSavedMessage(const QString &path, const QString &reason);
// The largest "list.todo" read: a million items of a few words each fit many
// times over; beyond it the file is taken for unreadable and left alone.
inline constexpr qint64 kToDoFileLimit = qint64(64) << 20;

// Told once when a list kept in a Windows code page is written in UTF-8
// because an item holds characters that code page has no place for.
QString ToDoListNowUtf8Message(const QString &path, TextEncoding was);

struct ToDoItem {
    QString text; // one line
    bool done = false;

    friend bool operator==(const ToDoItem &, const ToDoItem &) = default;
};

struct ToDoCounts {
    qsizetype total = 0;
    qsizetype open = 0;
    qsizetype done = 0;
};

// The items of a to-do file's text. A line is a state digit ("0" open, any
// other digit done) and the item text; blank lines are skipped. A line that
// does not start with a digit never comes from the program: it is kept whole
// as an open item so none of its text is lost.
QList<ToDoItem> ParseToDoText(QStringView text);
// One line per item with a non-empty text: state digit, text, CR LF.
QString FormatToDoText(const QList<ToDoItem> &items);
// The archive's lines: every item's text alone, CR LF after each.
QString FormatArchiveText(const QList<ToDoItem> &items);

// The quick to-do list in data folder + "list.todo": loaded once at start,
// written after every change and once more at exit.
class ToDoStore {
public:
    // `dataFolder` ends with '/'.
    ToDoStore(FileSystem &files, const TextCodec &codec, QString dataFolder);

    QString filePath() const;
    const QList<ToDoItem> &items() const { return m_items; }

    // Never reports: a missing or unreadable file gives an empty list. Only
    // a regular file of at most kToDoFileLimit bytes is read.
    void LoadToDoFile();
    // Replaces the file in the encoding it was read in, leaving out items with
    // an empty text but keeping them in the list (they stay on screen until
    // the save at exit). A file that exists but could not be read at start is
    // never overwritten: it still holds the user's list. A list in a legacy
    // code page that can no longer hold every item is written in UTF-8, and
    // stays UTF-8 from then on (switchedToUtf8 tells it once).
    IoStatus WriteToDoFile();
    // The save at exit: drops the items with an empty text, then writes.
    IoStatus SaveToDoFile();
    // Writes "todoes/To-Do List N.todo" below `currentDirectory` with the first
    // free N, then empties the list. On failure the list is kept and the error
    // report's text ("Cannot create file ...") is returned.
    std::optional<QString> ArchiveToDoList(const QString &currentDirectory);
    QString nextArchivePath(const QString &currentDirectory) const;

    void AppendToDoItem(const QString &text);
    // The index-taking changes do nothing, and say so, for an index that no
    // longer names an item (the editor's index outlives deletions).
    bool ReplaceToDoText(qsizetype index, const QString &text);
    bool DeleteToDoItem(qsizetype index);
    bool setDone(qsizetype index, bool done);
    void ClearDoneItems();
    void ClearAllItems();
    ToDoCounts counts() const;
    // The legacy code page the list was kept in, once, after the write that
    // made the file UTF-8; nothing otherwise.
    std::optional<TextEncoding> takeSwitchToUtf8();

private:
    bool isIndex(qsizetype index) const { return index >= 0 && index < m_items.size(); }
    // Whether `bytes`, written for a file kept in `was`, will read as UTF-8.
    bool becameUtf8(TextEncoding was, const QByteArray &bytes) const;

    FileSystem &m_files;
    const TextCodec &m_codec;
    QString m_dataFolder;
    QList<ToDoItem> m_items;
    TextEncoding m_encoding = TextEncoding::System;
    std::optional<TextEncoding> m_switchedFrom;
    bool m_unreadAtLoad = false;
};

} // namespace veltrano
