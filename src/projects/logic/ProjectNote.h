// The note of a structure: "note.rtf" in its folder, loaded into the editor's
// document when the node is selected and written whole on every change.
#pragma once
#include "rtf/RtfWriter.h"

#include <QString>

#include <memory>

class QTextDocument;

namespace veltrano {

class Clock;
class FileSystem;
class TextCodec;

inline constexpr auto kNoteFileName = u"note.rtf";
// The largest note read: pages of text with pictures in them fit; a larger
// file, or anything but a regular file, is shown as unreadable and left alone.
inline constexpr qint64 kNoteFileLimit = qint64(64) << 20;

struct NoteLoad {
    enum class Result {
        Loaded,     // the file's rich text is in the document
        Created,    // there was no note: an empty one now exists
        NotRtf,     // not rich text: its bytes are shown as plain text
        Unreadable, // the file exists but could not be read
        NotCreated, // there was no note and none could be made
    };
    Result result = Result::Loaded;
    // What to tell the user, in the status bar; empty when all went well.
    QString message;

    // Whether typing into the document may replace the file. An unreadable
    // note would be overwritten by whatever little was typed, and a note
    // whose folder is gone has nowhere to go.
    bool editable = true;
};

// What a note file held, read into a document: the part of loading that
// touches no state and so may run on any thread (a large note is read off
// the GUI thread).
struct NoteRead {
    enum class Kind { Missing, Unreadable, Rtf, NotRtf };
    Kind kind = Kind::Missing;
    QString reason; // why it could not be read
    // The note as read, already encoded once where it was read (a large note
    // read off the GUI thread): the first save after it then copies every
    // paragraph the key did not touch instead of encoding the whole note.
    std::shared_ptr<RtfDocumentWriter> encoded;
};
NoteRead ReadNoteFile(const FileSystem &files, const TextCodec &codec, const QString &file, QTextDocument &doc);

struct NoteSave {
    enum class Result {
        Saved,
        Failed,     // nothing written; the old file is as it was
    };
    Result result = Result::Saved;
    // The first failure after a success says why, once; later failures of
    // the same kind stay quiet until a save succeeds again.
    QString failure;
    // Said once in the status bar: a note that was not rich text has been
    // kept aside under this name before being replaced.
    QString keptAside;
    // The save succeeded after failures had been reported.
    bool recovered = false;
};

// One note at a time, the one last loaded. The editor saves on every
// keystroke, so a save writes only what changed since the last one and a
// failure is reported once rather than once per key.
class ProjectNote {
public:
    ProjectNote(FileSystem &files, const TextCodec &codec, const Clock &clock, QString dataFolder);

    // data folder + structure path + "note.rtf", in native separators.
    QString fileOf(const QString &structurePath) const;

    // Replaces the document with the note of `structurePath`, creating the
    // note empty when there is none. The document's undo history starts anew:
    // undoing past the load would bring the previous note back into this one.
    NoteLoad LoadNote(const QString &structurePath, QTextDocument &doc);
    // The same, for a note read elsewhere with ReadNoteFile into `doc`.
    NoteLoad AdoptNote(const QString &structurePath, const NoteRead &read, QTextDocument &doc);
    // Writes the document as the note of `structurePath`, atomically.
    NoteSave SaveNote(const QString &structurePath, const QTextDocument &doc);

private:
    QString keepAsideName(const QString &file) const;
    QString shown(const QString &path) const;
    NoteSave failed(const QString &why);

    FileSystem &m_files;
    const TextCodec &m_codec;
    const Clock &m_clock;
    QString m_dataFolder;
    RtfDocumentWriter m_writer;
    // The loaded note was not rich text: it is renamed aside before the
    // first save replaces it.
    QString m_keepAside;
    // The loaded note could not be read: it is never written over.
    QString m_unreadable;
    bool m_failureReported = false;
};

} // namespace veltrano
