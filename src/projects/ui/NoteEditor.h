#pragma once
#include "projects/logic/ProjectNote.h"

#include <QObject>
#include <memory>

namespace veltrano {

class Clock;
class FileSystem;
class MessageBoxes;
class ModalDialogs;
class NotePrinter;
class ProjectNotePage;
class RegionalFormats;
class TextCodec;

// What the note editor works with besides its page.
struct NoteEditorServices {
    FileSystem &files;
    const TextCodec &codec;
    const Clock &clock;
    const RegionalFormats &formats;
    MessageBoxes &messages;
    ModalDialogs &dialogs;
    QString dataFolder;
};

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

    ProjectNotePage &m_page;
    NoteEditorServices m_services;
    ProjectNote m_note;
    NotePrinter *m_printer = nullptr;
    std::unique_ptr<NotePrinter> m_ownPrinter;
    bool m_loading = false; // the editor is being filled: its changes are no edits
};

} // namespace veltrano
