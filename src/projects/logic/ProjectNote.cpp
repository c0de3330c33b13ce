#include "projects/logic/ProjectNote.h"

#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/TextCodec.h"
#include "projects/logic/ProjectStore.h"
#include "rtf/RtfReader.h"

#include <QTextDocument>

namespace veltrano {
namespace {

QString quoted(const QString &text)
{
    return u'"' + text + u'"';
}

QString sentence(const QString &reason)
{
    return reason.isEmpty() || reason.endsWith(u'.') ? reason : reason + u'.';
}

// The undo history is dropped with the old text: a load is no edit.
class FreshHistory {
public:
    explicit FreshHistory(QTextDocument &doc) : m_doc(doc), m_undo(doc.isUndoRedoEnabled())
    {
        m_doc.setUndoRedoEnabled(false);
    }
    ~FreshHistory() { m_doc.setUndoRedoEnabled(m_undo); }

private:
    QTextDocument &m_doc;
    bool m_undo;
};

} // namespace

ProjectNote::ProjectNote(FileSystem &files, const TextCodec &codec, const Clock &clock, QString dataFolder)
    : m_files(files), m_codec(codec), m_clock(clock), m_dataFolder(std::move(dataFolder))
{
}

// Paths as the user knows them: from the data folder on.
QString ProjectNote::shown(const QString &path) const
{
    return path.startsWith(m_dataFolder) ? path.mid(m_dataFolder.size()) : path;
}

QString ProjectNote::fileOf(const QString &structurePath) const
{
    return StructureFolder(m_dataFolder, structurePath) + kNoteFileName;
}

NoteRead ReadNoteFile(const FileSystem &files, const TextCodec &codec, const QString &file, QTextDocument &doc)
{
    const FreshHistory history(doc);
    doc.clear();
    if (!files.exists(file))
        return {NoteRead::Kind::Missing, {}};
    QString reason;
    const std::optional<QByteArray> bytes = files.readFile(file, &reason, kNoteFileLimit);
    if (!bytes)
        return {NoteRead::Kind::Unreadable, reason};
    if (bytes->trimmed().isEmpty() || readRtf(*bytes, doc))
        return {NoteRead::Kind::Rtf, {}};
    // Whatever the file holds is shown rather than lost, and is moved aside,
    // not overwritten, once the user changes it.
    doc.setPlainText(codec.decode(*bytes).text);
    return {NoteRead::Kind::NotRtf, {}};
}

NoteLoad ProjectNote::LoadNote(const QString &structurePath, QTextDocument &doc)
{
    const NoteRead read = ReadNoteFile(m_files, m_codec, fileOf(structurePath), doc);
    return AdoptNote(structurePath, read, doc);
}

NoteLoad ProjectNote::AdoptNote(const QString &structurePath, const NoteRead &read, QTextDocument &doc)
{
    if (read.encoded)
        m_writer = std::move(*read.encoded);
    else
        m_writer.forget();
    m_keepAside.clear();
    m_unreadable.clear();
    m_failureReported = false;

    const QString file = fileOf(structurePath);
    switch (read.kind) {
    case NoteRead::Kind::Missing: {
        const IoStatus created = m_files.replaceFile(file, m_writer.write(doc));
        if (created)
            return {NoteLoad::Result::Created, {}, true};
        // Typing would fail the same way; that is said once, here.
        m_failureReported = true;
        const bool folderExists = m_files.isFolder(StructureFolder(m_dataFolder, structurePath));
        return {NoteLoad::Result::NotCreated,
                u"Cannot create file " + quoted(shown(file)) + u". " + sentence(created.reason), folderExists};
    }
    case NoteRead::Kind::Unreadable:
        m_unreadable = file;
        return {NoteLoad::Result::Unreadable,
                u"Cannot open file " + quoted(shown(file)) + u". " + sentence(read.reason)
                    + u" The note cannot be changed.",
                false};
    case NoteRead::Kind::NotRtf:
        m_keepAside = file;
        return {NoteLoad::Result::NotRtf,
                quoted(shown(file)) + u" is not RTF: shown as plain text, and kept aside at your first change.", true};
    case NoteRead::Kind::Rtf:
        break;
    }
    return {};
}

QString ProjectNote::keepAsideName(const QString &file) const
{
    const QString stem = file + m_clock.now().toString(QStringLiteral("'.'yyyy-MM-dd_HH-mm-ss"));
    QString name = stem + QStringLiteral(".bak");
    for (int n = 2; m_files.exists(name); ++n)
        name = stem + u'-' + QString::number(n) + QStringLiteral(".bak");
    return name;
}

NoteSave ProjectNote::failed(const QString &why)
{
    NoteSave save{NoteSave::Result::Failed, {}, {}, false};
    if (!m_failureReported)
        save.failure = why + u" The text stays in the editor; the next change tries again.";
    m_failureReported = true;
    return save;
}

NoteSave ProjectNote::SaveNote(const QString &structurePath, const QTextDocument &doc)
{
    const QString folder = StructureFolder(m_dataFolder, structurePath);
    const QString file = folder + kNoteFileName;
    if (!m_files.isFolder(folder))
        return failed(u"Cannot save the note: the folder " + quoted(shown(folder)) + u" no longer exists.");
    // Whatever could not be read is still the user's: nothing typed since
    // replaces it.
    if (m_unreadable == file && m_files.exists(file))
        return failed(u"Cannot save the note " + quoted(shown(file)) + u": it could not be read, and is left as it is.");
    NoteSave save;
    if (m_keepAside == file) {
        const QString aside = keepAsideName(file);
        if (m_files.exists(file) && !m_files.rename(file, aside))
            return failed(u"Cannot keep " + quoted(shown(file)) + u" as " + quoted(shown(aside))
                          + u"; the note is not saved.");
        m_keepAside.clear();
        save.keptAside = aside;
    }
    const IoStatus written = m_files.replaceFile(file, m_writer.write(doc));
    if (!written) {
        NoteSave refused = failed(u"Cannot save the note " + quoted(shown(file)) + u". " + sentence(written.reason));
        refused.keptAside = save.keptAside;
        return refused;
    }
    save.recovered = m_failureReported;
    m_failureReported = false;
    return save;
}

} // namespace veltrano
