#include "todo/logic/ToDoListModel.h"

#include <algorithm>

namespace veltrano {

QString ShownToDoText(const QString &text)
{
    if (text.size() <= kShownToDoTextLength)
        return text;
    qsizetype cut = kShownToDoTextLength;
    if (text.at(cut - 1).isHighSurrogate())
        --cut; // never half a character
    return text.left(cut) + QChar(0x2026);
}

ToDoListModel::ToDoListModel(FileSystem &files, const TextCodec &codec, QString dataFolder,
                             SaveFailureReport report, QObject *parent)
    : QAbstractListModel(parent), m_store(files, codec, std::move(dataFolder)), m_report(std::move(report))
{
}

int ToDoListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_store.items().size());
}

QVariant ToDoListModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const ToDoItem &item = m_store.items().at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return ShownToDoText(item.text);
    case Qt::EditRole:
        return item.text;
    case Qt::CheckStateRole:
        return item.done ? Qt::Checked : Qt::Unchecked;
    default:
        return {};
    }
}

bool ToDoListModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::CheckStateRole || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return false;
    return setDone(index.row(), value.toInt() == Qt::Checked);
}

Qt::ItemFlags ToDoListModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable | Qt::ItemNeverHasChildren;
}

void ToDoListModel::LoadToDoFile()
{
    beginResetModel();
    m_store.LoadToDoFile();
    endResetModel();
}

void ToDoListModel::AppendToDoItem(const QString &text)
{
    const int row = int(count());
    beginInsertRows({}, row, row);
    m_store.AppendToDoItem(text);
    endInsertRows();
    saveChange();
}

bool ToDoListModel::ReplaceToDoText(qsizetype index, const QString &text)
{
    if (!m_store.ReplaceToDoText(index, text))
        return false;
    const QModelIndex changed = this->index(int(index));
    emit dataChanged(changed, changed, {Qt::DisplayRole, Qt::EditRole});
    saveChange();
    return true;
}

bool ToDoListModel::DeleteToDoItem(qsizetype index)
{
    if (index < 0 || index >= count())
        return false;
    beginRemoveRows({}, int(index), int(index));
    m_store.DeleteToDoItem(index);
    endRemoveRows();
    saveChange();
    return true;
}

bool ToDoListModel::setDone(qsizetype index, bool done)
{
    if (index < 0 || index >= count())
        return false;
    if (m_store.items().at(index).done == done)
        return true;
    m_store.setDone(index, done);
    const QModelIndex changed = this->index(int(index));
    emit dataChanged(changed, changed, {Qt::CheckStateRole});
    saveChange();
    return true;
}

void ToDoListModel::ClearDoneItems()
{
    beginResetModel();
    m_store.ClearDoneItems();
    endResetModel();
    saveChange();
}

void ToDoListModel::ClearAllItems()
{
    beginResetModel();
    m_store.ClearAllItems();
    endResetModel();
    saveChange();
}

std::optional<QString> ToDoListModel::ArchiveToDoList(const QString &currentDirectory)
{
    beginResetModel();
    std::optional<QString> error = m_store.ArchiveToDoList(currentDirectory);
    endResetModel();
    if (!error)
        saveChange();
    return error;
}

bool ToDoListModel::SaveToDoFile()
{
    const bool dropsItems = std::any_of(items().cbegin(), items().cend(),
                                        [](const ToDoItem &item) { return item.text.isEmpty(); });
    if (dropsItems)
        beginResetModel();
    const IoStatus status = m_store.SaveToDoFile();
    if (dropsItems)
        endResetModel();
    return bool(status);
}

void ToDoListModel::saveChange()
{
    noteSave(m_store.WriteToDoFile());
}

// One message per run of failures: the user hears that saving stopped
// working, not once for every item typed while the disk stays full.
bool ToDoListModel::noteSave(const IoStatus &status)
{
    if (status) {
        m_failureReported = false;
        if (const std::optional<TextEncoding> was = m_store.takeSwitchToUtf8(); was && m_notice)
            m_notice(ToDoListNowUtf8Message(m_store.filePath(), *was));
        return true;
    }
    if (!m_failureReported) {
        m_failureReported = true;
        if (m_report)
            m_report(status);
    }
    return false;
}

} // namespace veltrano
