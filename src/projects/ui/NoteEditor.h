#pragma once
#include "projects/logic/ProjectNote.h"

#include <QObject>
#include <memory>
#include <thread>

class QTextDocument;
class QTimer;

namespace veltrano {

class BackgroundWriter;
class Clock;
class DataFolderWatch;
class MessageBoxes;
class ModalDialogs;
class NotePrinter;
class ProjectNotePage;
class RegionalFormats;
class Shell;
class TextCodec;

// What the note editor works with besides its page.
struct NoteEditorServices {
    BackgroundWriter &files;
    DataFolderWatch &watch;
    Shell &shell;
    const TextCodec &codec;
    const Clock &clock;
    const RegionalFormats &formats;
    MessageBoxes &messages;
    ModalDialogs &dialogs;
    QString dataFolder;
    // Where the text of a note that cannot be saved is kept
    // (per-user data folder + "recovered/").
    QString recoveryFolder;
};

// Told once for each note whose text went to a recovery copy.
QString NoteRecoveredMessage(const QString &note, const QString &copy);


// The project note: loaded when a node is selected, written to "note.rtf" on
// every change of the editor, and the note tool bar's commands. The caption
// of `Label11` names the note shown; saving reads it back.
class NoteEditor final : public QObject {
    Q_OBJECT
public:
    NoteEditor(ProjectNotePage &page, const NoteEditorServices &services, QObject *parent = nullptr);
    ~NoteEditor() override;

    // Shows the note of `structurePath` (the caption of Label11 becomes it),
    // creating the note empty when it has none.
    void loadNote(const QString &structurePath);
    // Printing goes through here; tests put a fake in its place.
    void setPrinter(NotePrinter *printer) { m_printer = printer; }
    // The note's text that could not be saved is written once more; when that
    // fails too it goes to a recovery copy, and the user is told where. The
    // note left, the end of a run.
    void keepUnsavedText();
    // The copies of the shown note beside it (a sync engine's conflict
    // copies, or ours), newest name last.
    QStringList otherVersions() const;

signals:
    // What the status bar should say about the note; `lasting` messages stay
    // until the state they describe is over (an empty text clears them).
    void status(const QString &text, bool lasting);

private:
    void onNoteChanged();
    void saveNote();
    void clearNote();
    void clearNoteNow();
    void printNote();
    void insertDateTime();
    void changeFont();
    void appendLine(const QString &text);
    void reportFailure(const QString &text);
    QString shownFile() const;
    // The note changed on disk by another hand: shown anew, the caret where
    // it was as near as the new text allows.
    void reloadKeepingCaret();
    void showOtherVersions();
    void openOtherVersion();
    void recover();
    // Saves at once, or, while the note is so large that encoding it takes
    // longer than a key, a moment later with every key typed meanwhile.
    void saveSoon();
    void saveWaiting();
    void showLoading();
    void readInBackground(const QString &file, QTextDocument *note);
    void showNote(const QString &structurePath, const NoteRead &read, QTextDocument *note);

    ProjectNotePage &m_page;
    NoteEditorServices m_services;
    ProjectNote m_note;
    NotePrinter *m_printer = nullptr;
    std::unique_ptr<NotePrinter> m_ownPrinter;
    bool m_loading = false; // the editor is being filled: its changes are no edits
    bool m_unsaved = false; // the last save of the shown note failed
    QTimer *m_saveTimer = nullptr;
    qint64 m_lastSaveMs = 0; // what the last save cost the GUI thread
    QString m_shown;
    quint64 m_loadNumber = 0; // a note read in the background is shown only if still the last asked for
    bool m_busy = false;      // the busy cursor is ours to take back
    std::thread m_reader;        // the structure path of the note shown; empty before the first
};

} // namespace veltrano
