#pragma once
#include "todo/logic/ToDoStore.h"

#include <QAbstractListModel>
#include <functional>

namespace veltrano {

// What the list shows of an item: no window is wide enough for more than a
// few hundred characters of one line, and laying out a line of megabytes for
// every paint took hundreds of megabytes and seconds. The item itself (and
// its text to edit, Qt::EditRole) keeps every character.
inline constexpr qsizetype kShownToDoTextLength = 2000;
QString ShownToDoText(const QString &text);

// The to-do list as the window's check list shows it: one row per item, its
// check mark the done flag. Every change is written to "list.todo" at once,
// so a crash or a kill loses nothing; a save that fails is reported once and
// tried again at the next change, until one succeeds.
class ToDoListModel final : public QAbstractListModel {
    Q_OBJECT
public:
    using SaveFailureReport = std::function<void(const IoStatus &status)>;
    using Notice = std::function<void(const QString &text)>;

    ToDoListModel(FileSystem &files, const TextCodec &codec, QString dataFolder, SaveFailureReport report,
                  QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    const QList<ToDoItem> &items() const { return m_store.items(); }
    qsizetype count() const { return m_store.items().size(); }
    ToDoCounts counts() const { return m_store.counts(); }
    QString filePath() const { return m_store.filePath(); }

    // Where what the user is told once goes (the list became UTF-8).
    void setNotice(Notice notice) { m_notice = std::move(notice); }

    // Start-up: never reports, never writes.
    void LoadToDoFile();
    // Writes the list once more (a write refused in the background is tried
    // again, and so told as any other).
    void saveAgain() { saveChange(); }
    void AppendToDoItem(const QString &text);
    bool ReplaceToDoText(qsizetype index, const QString &text);
    bool DeleteToDoItem(qsizetype index);
    bool setDone(qsizetype index, bool done);
    void ClearDoneItems();
    void ClearAllItems();
    // The archive's own error text on failure (the list then stays whole).
    std::optional<QString> ArchiveToDoList(const QString &currentDirectory);
    // The save at exit: items with an empty text leave the list, the rest
    // reach the file. False when it failed; the caller tells the user (it is
    // the last chance, so it is told even when the running saves were).
    bool SaveToDoFile();

private:
    void saveChange();
    bool noteSave(const IoStatus &status);

    ToDoStore m_store;
    SaveFailureReport m_report;
    Notice m_notice;
    bool m_failureReported = false;
};

} // namespace veltrano
