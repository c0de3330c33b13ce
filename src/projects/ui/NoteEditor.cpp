#include "projects/ui/NoteEditor.h"

#include "common/logic/BackgroundWriter.h"
#include "common/logic/ConflictCopies.h"
#include "common/logic/DataFolderWatch.h"
#include "common/logic/MessageBoxes.h"
#include "common/ui/ModalDialogs.h"
#include "platform/Clock.h"
#include "platform/RegionalFormats.h"
#include "platform/Shell.h"
#include "rtf/RtfWriter.h"
#include "projects/ui/NoteFontDialog.h"
#include "projects/ui/NotePrinter.h"
#include "projects/ui/ProjectNotePage.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QScrollBar>
#include <QThread>
#include <QLabel>
#include <QPointer>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

namespace veltrano {
namespace {

// A save that costs the GUI thread more than this (a note of many megabytes)
// makes the next keys wait for one save together, at most the longer delay.
constexpr qint64 kSlowSaveMs = 30;
constexpr qint64 kLongestSaveDelayMs = 1000;
// A note this large takes a while to read: the editor says so meanwhile.
constexpr qint64 kLargeNoteBytes = qint64(2) << 20;

} // namespace

NoteEditor::NoteEditor(ProjectNotePage &page, const NoteEditorServices &services, QObject *parent)
    : QObject(parent), m_page(page), m_services(services),
      m_note(services.files, services.codec, services.clock, services.dataFolder)
{
    setObjectName(QStringLiteral("NoteEditor"));
    QTextEdit *editor = m_page.editor();
    connect(editor, &QTextEdit::textChanged, this, &NoteEditor::onNoteChanged);
    connect(m_page.clearButton(), &QToolButton::clicked, this, &NoteEditor::clearNote);
    connect(m_page.printButton(), &QToolButton::clicked, this, &NoteEditor::printNote);
    connect(m_page.dateTimeButton(), &QToolButton::clicked, this, &NoteEditor::insertDateTime);
    connect(m_page.fontButton(), &QToolButton::clicked, this, &NoteEditor::changeFont);
    m_saveTimer = new QTimer(this);
    m_saveTimer->setSingleShot(true);
    connect(m_saveTimer, &QTimer::timeout, this, &NoteEditor::saveNote);
    connect(m_page.otherVersionLabel(), &QLabel::linkActivated, this, &NoteEditor::openOtherVersion);
    services.watch.followFiles(
        this,
        [this] {
            const QString file = shownFile();
            return file.isEmpty() ? QStringList() : QStringList{file};
        },
        [this](const QString &) { reloadKeepingCaret(); });
    // A sync engine puts its copies beside the note at any time.
    auto *look = new QTimer(this);
    connect(look, &QTimer::timeout, this, &NoteEditor::showOtherVersions);
    look->start(2000);
    connect(&services.files, &BackgroundWriter::conflictKept, this, [this](const QString &path) {
        if (path == shownFile())
            showOtherVersions();
    });
    connect(&services.files, &BackgroundWriter::refusedInBackground, this, [this](const QString &path) {
        if (path == shownFile())
            saveNote();
    });
}

QString NoteRecoveredMessage(const QString &note, const QString &copy)
{
    return QStringLiteral("The note \"%1\" could not be saved. Its text is kept in \"%2\".").arg(note, copy);
}

QString NoteEditor::shownFile() const
{
    return m_shown.isEmpty() ? QString() : m_note.fileOf(m_shown);
}

// Waits for a note being read (it reads, it writes nothing).
NoteEditor::~NoteEditor()
{
    if (m_reader.joinable())
        m_reader.join();
}

// The note is read into a document of its own and then handed to the editor:
// a document the editor gets whole is laid out a screenful at a time as it is
// shown, while one filled under its eyes is laid out whole at once (a second
// for a note of a few megabytes).
void NoteEditor::loadNote(const QString &structurePath)
{
    keepUnsavedText();
    QTextEdit *editor = m_page.editor();
    m_page.currentProject()->setText(structurePath);
    m_shown = structurePath;
    m_lastSaveMs = 0;
    ++m_loadNumber;
    auto *note = new QTextDocument;
    note->setDefaultFont(editor->document()->defaultFont());
    const QString file = m_note.fileOf(structurePath);
    if (m_services.files.stamp(file).value_or(FileStamp{}).size > kLargeNoteBytes) {
        readInBackground(file, note);
        return;
    }
    const NoteRead read = ReadNoteFile(m_services.files, m_services.codec, file, *note);
    // A large note still being read is not shown any more: this one is.
    if (std::exchange(m_busy, false))
        QApplication::restoreOverrideCursor();
    showNote(structurePath, read, note);
}

// A large note is read on a thread of its own into a document of its own,
// which then comes to this thread; the editor meanwhile takes no keys, shows
// a busy cursor and the status bar says why. A node chosen meanwhile wins.
void NoteEditor::readInBackground(const QString &file, QTextDocument *note)
{
    showLoading();
    if (m_reader.joinable())
        m_reader.join();
    const quint64 number = m_loadNumber;
    const QString structurePath = m_shown;
    QThread *home = thread();
    const QPointer<NoteEditor> self(this);
    const FileSystem &files = m_services.files;
    const TextCodec &codec = m_services.codec;
    note->moveToThread(nullptr);
    m_reader = std::thread([self, number, structurePath, home, note, file, &files, &codec] {
        note->moveToThread(QThread::currentThread());
        NoteRead read = ReadNoteFile(files, codec, file, *note);
        if (read.kind == NoteRead::Kind::Rtf) {
            read.encoded = std::make_shared<RtfDocumentWriter>();
            read.encoded->write(*note);
        }
        note->moveToThread(home);
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self, number, structurePath, note, read] {
                if (!self || self->m_loadNumber != number) {
                    delete note;
                    return;
                }
                if (std::exchange(self->m_busy, false))
                    QApplication::restoreOverrideCursor();
                self->showNote(structurePath, read, note);
            },
            Qt::QueuedConnection);
    });
}

void NoteEditor::showNote(const QString &structurePath, const NoteRead &read, QTextDocument *note)
{
    QTextEdit *editor = m_page.editor();
    m_loading = true;
    note->setParent(editor);
    const NoteLoad load = m_note.AdoptNote(structurePath, read, *note);
    // The editor deletes the document it made itself; ours go here.
    const QPointer<QTextDocument> shown = editor->document();
    editor->setDocument(note); // at its start, with no undo history
    if (shown && shown->parent() == editor && shown != note)
        delete shown;
    m_loading = false;
    m_page.setEditable(load.editable);
    emit status(load.message, load.result != NoteLoad::Result::Loaded && load.result != NoteLoad::Result::Created);
    showOtherVersions();
}

// A busy cursor, the editor closed to keys and a word in the status bar.
void NoteEditor::showLoading()
{
    m_page.setEditable(false);
    emit status(QStringLiteral("Reading the note..."), true);
    if (!m_busy) {
        QApplication::setOverrideCursor(Qt::BusyCursor);
        m_busy = true;
    }
}

void NoteEditor::reloadKeepingCaret()
{
    // The program's own change goes first (and keeps the other as a copy);
    // a note still being read is read as it is on disk anyway.
    if (m_unsaved || m_saveTimer->isActive() || m_busy)
        return;
    QTextEdit *editor = m_page.editor();
    const int caret = editor->textCursor().position();
    const int scrolled = editor->verticalScrollBar()->value();
    loadNote(m_shown);
    QTextCursor near(editor->document());
    near.setPosition(std::min(caret, editor->document()->characterCount() - 1));
    editor->setTextCursor(near);
    editor->verticalScrollBar()->setValue(scrolled);
}

QStringList NoteEditor::otherVersions() const
{
    const QString file = shownFile();
    if (file.isEmpty())
        return {};
    const QString folder = QFileInfo(file).path() + u'/';
    QStringList names;
    for (const FolderEntry &entry : m_services.files.listFolder(folder)) {
        if (entry.kind == FolderEntry::Kind::File)
            names << entry.name;
    }
    QStringList copies = ConflictCopiesAmong(names, QString::fromUtf16(kNoteFileName));
    for (QString &copy : copies)
        copy.prepend(folder);
    return copies;
}

void NoteEditor::showOtherVersions()
{
    const QStringList copies = otherVersions();
    QLabel *label = m_page.otherVersionLabel();
    label->setVisible(!copies.isEmpty());
    QStringList shown;
    for (const QString &copy : copies)
        shown << QDir::toNativeSeparators(copy);
    label->setToolTip(shown.join(u'\n'));
}

// The newest of the copies opens in the desktop's program for it.
void NoteEditor::openOtherVersion()
{
    const QStringList copies = otherVersions();
    if (!copies.isEmpty())
        m_services.shell.open(copies.last());
}

void NoteEditor::keepUnsavedText()
{
    saveWaiting();
    // A write refused in the background counts as a failed save too.
    if (m_shown.isEmpty() || !(m_unsaved || m_services.files.wasRefused(shownFile())))
        return;
    saveNote();
    if (m_unsaved)
        recover();
}

void NoteEditor::recover()
{
    QString relative = m_shown;
    relative.replace(u'\\', u'/');
    const QString folder = m_services.recoveryFolder + relative;
    const QString stem = folder + m_services.clock.now().toString(QStringLiteral("'note-'yyyyMMdd-HHmmss"));
    QString copy = stem + QStringLiteral(".rtf");
    for (int n = 2; m_services.files.exists(copy); ++n)
        copy = stem + u'-' + QString::number(n) + QStringLiteral(".rtf");
    m_services.files.makePath(folder);
    if (!m_services.files.replaceFileNow(copy, writeRtf(*m_page.editor()->document())))
        return; // still unsaved: the next chance tries again
    m_unsaved = false;
    const QString text =
        NoteRecoveredMessage(QDir::toNativeSeparators(shownFile()), QDir::toNativeSeparators(copy));
    emit status(text, true);
    m_services.messages.notice(text);
}

void NoteEditor::onNoteChanged()
{
    if (m_loading)
        return;
    saveSoon();
}

void NoteEditor::saveSoon()
{
    if (m_lastSaveMs < kSlowSaveMs) {
        saveNote();
        return;
    }
    if (!m_saveTimer->isActive())
        m_saveTimer->start(int(std::min<qint64>(m_lastSaveMs * 4, kLongestSaveDelayMs)));
}

void NoteEditor::saveWaiting()
{
    if (m_saveTimer->isActive()) {
        m_saveTimer->stop();
        saveNote();
    }
}

void NoteEditor::saveNote()
{
    m_saveTimer->stop();
    QElapsedTimer cost;
    cost.start();
    const NoteSave save = m_note.SaveNote(m_page.currentProject()->text(), *m_page.editor()->document());
    if (!save.keptAside.isEmpty())
        emit status(QStringLiteral("The note was not RTF; the file as it was is kept as \"%1\".")
                        .arg(QFileInfo(save.keptAside).fileName()),
                    false);
    m_lastSaveMs = cost.elapsed();
    m_unsaved = save.result == NoteSave::Result::Failed;
    if (!save.failure.isEmpty())
        reportFailure(save.failure);
    else if (save.recovered)
        emit status(QStringLiteral("The note is saved again."), false);
}

// Said once, in the status bar at once and in a message box when the key
// that caused it has been handled: a box opened from inside the editor's
// change notification would run its own event loop in the middle of it.
void NoteEditor::reportFailure(const QString &text)
{
    emit status(text, true);
    QTimer::singleShot(0, this, [this, text] { m_services.messages.error(text); });
}

void NoteEditor::clearNote()
{
    m_services.messages.ask(QStringLiteral("Clear note?"), true, [this](MessageBoxes::Answer answer) {
        if (answer == MessageBoxes::Answer::Yes)
            clearNoteNow();
    });
}

void NoteEditor::clearNoteNow()
{
    QTextEdit *editor = m_page.editor();
    const bool wasEmpty = editor->document()->isEmpty();
    // Removed as one edit, so Undo brings the text back (and saves it again).
    QTextCursor all(editor->document());
    all.beginEditBlock();
    all.select(QTextCursor::Document);
    all.removeSelectedText();
    all.setBlockFormat(QTextBlockFormat());
    all.setCharFormat(QTextCharFormat());
    all.endEditBlock();
    if (wasEmpty)
        saveNote();
}

void NoteEditor::printNote()
{
    if (!m_printer) {
        m_ownPrinter = std::make_unique<PrintModulePrinter>(m_services.dialogs, m_page.window());
        m_printer = m_ownPrinter.get();
    }
    const QString path = m_page.currentProject()->text();
    const QString title = QStringLiteral("Current Project : ") + path;
    const QString structure = path.section(u'\\', -2, -2); // "Projects Group\Alpha\" names Alpha
    const NotePrinter::Outcome outcome = m_printer->print(*m_page.editor()->document(), title, structure);
    if (outcome.result == NotePrinter::Result::Unavailable)
        m_services.messages.error(outcome.message);
}

void NoteEditor::appendLine(const QString &text)
{
    QTextCursor end(m_page.editor()->document());
    end.movePosition(QTextCursor::End);
    end.beginEditBlock();
    if (!m_page.editor()->document()->isEmpty())
        end.insertBlock();
    end.insertText(text);
    end.endEditBlock();
}

// Two lines at the end, whatever the caret; the clock is read for each, and
// each line is a change of its own, saved as it is made. A caret or a
// selection that reaches the end would stretch over the new lines (and the
// next key would erase them): it ends up after them instead.
void NoteEditor::insertDateTime()
{
    QTextEdit *editor = m_page.editor();
    QTextCursor caret = editor->textCursor();
    const int end = editor->document()->characterCount() - 1;
    const bool reachesEnd = caret.position() == end || caret.anchor() == end;
    const Clock &clock = m_services.clock;
    appendLine(QStringLiteral("Date : ") + m_services.formats.shortDate(clock.now().date()));
    appendLine(QStringLiteral("Time : ") + m_services.formats.longTime(clock.now().time()));
    if (reachesEnd) {
        caret.movePosition(QTextCursor::End);
        editor->setTextCursor(caret);
    }
}

void NoteEditor::changeFont()
{
    QTextEdit *editor = m_page.editor();
    auto *dialog = new NoteFontDialog(m_page.window());
    // The base font first, then what the selection (or the caret) adds to it.
    const QTextCharFormat atCaret = editor->currentCharFormat();
    QFont preset = editor->document()->defaultFont();
    preset = atCaret.font().resolve(preset);
    const QColor colour = atCaret.foreground().style() != Qt::NoBrush ? atCaret.foreground().color()
                                                                       : editor->palette().color(QPalette::Text);
    dialog->setChoice(preset, colour);
    m_services.dialogs.open(*dialog, [editor, dialog](int result) {
        if (result == QDialog::Accepted) {
            QTextCharFormat chosen;
            chosen.setFont(dialog->chosenFont());
            chosen.setForeground(dialog->chosenColour());
            // On a selection this changes the document, which is saved like
            // any change; at the caret it is what the next key types with.
            editor->mergeCurrentCharFormat(chosen);
        }
        editor->setFocus();
        dialog->deleteLater();
    });
}

} // namespace veltrano
