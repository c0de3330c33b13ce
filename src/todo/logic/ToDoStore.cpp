#include "todo/logic/ToDoStore.h"

#include "common/logic/LineFiles.h"
#include "platform/FileSystem.h"

#include <algorithm>
#include <utility>

namespace veltrano {
namespace {

bool isStateDigit(QChar ch)
{
    return ch >= u'0' && ch <= u'9';
}

constexpr QStringView kCrLf = u"\r\n";

} // namespace

QList<ToDoItem> ParseToDoText(QStringView text)
{
    QList<ToDoItem> items;
    ForEachLine(text, [&](QStringView line) {
        if (line.isEmpty())
            return;
        if (isStateDigit(line.front()))
            items.append({line.mid(1).toString(), line.front() != u'0'});
        else
            items.append({line.toString(), false});
    });
    return items;
}

namespace {

// The list file carries each item's state digit and leaves out empty items;
// the archive keeps every item's text alone.
QString formatLines(const QList<ToDoItem> &items, bool withState)
{
    qsizetype size = 0;
    for (const ToDoItem &item : items)
        size += item.text.size() + 3;
    QString text;
    text.reserve(size);
    for (const ToDoItem &item : items) {
        if (withState) {
            if (item.text.isEmpty())
                continue;
            text += item.done ? u'1' : u'0';
        }
        text += item.text;
        text += kCrLf;
    }
    return KeepLeadingMark(text);
}

} // namespace

QString FormatToDoText(const QList<ToDoItem> &items)
{
    return formatLines(items, true);
}

QString FormatArchiveText(const QList<ToDoItem> &items)
{
    return formatLines(items, false);
}

ToDoStore::ToDoStore(FileSystem &files, const TextCodec &codec, QString dataFolder)
    : m_files(files), m_codec(codec), m_dataFolder(std::move(dataFolder))
{
}

QString ToDoStore::filePath() const
{
    return m_dataFolder + kToDoFileName;
}

void ToDoStore::LoadToDoFile()
{
    m_items.clear();
    m_encoding = TextEncoding::System;
    m_switchedFrom.reset();
    m_unreadAtLoad = false;
    const std::optional<QByteArray> bytes = m_files.readFile(filePath(), nullptr, kToDoFileLimit);
    if (!bytes) {
        m_unreadAtLoad = m_files.exists(filePath());
        return;
    }
    DecodedText decoded = m_codec.decode(*bytes);
    m_encoding = decoded.encoding;
    m_items = ParseToDoText(decoded.text);
}

IoStatus ToDoStore::WriteToDoFile()
{
    if (m_unreadAtLoad && m_files.exists(filePath()))
        return IoStatus::failure(QStringLiteral("The list could not be read at start; it is left as it is"));
    const QByteArray bytes = m_codec.encode(FormatToDoText(m_items), m_encoding);
    IoStatus status = m_files.replaceFile(filePath(), bytes);
    if (status && becameUtf8(m_encoding, bytes)) {
        // The next start reads the file as UTF-8; this run writes it so too,
        // rather than back and forth as items come and go.
        m_switchedFrom = m_encoding;
        m_encoding = TextEncoding::System;
    }
    return status;
}

bool ToDoStore::becameUtf8(TextEncoding was, const QByteArray &bytes) const
{
    if (was != TextEncoding::Windows1250 && was != TextEncoding::Windows1251 && was != TextEncoding::Windows1252)
        return false;
    // Plain ASCII reads the same in every code page: nothing changed for it.
    const bool beyondAscii = std::any_of(bytes.cbegin(), bytes.cend(), [](char c) { return c & 0x80; });
    return beyondAscii && m_codec.decode(bytes).encoding == TextEncoding::System;
}

std::optional<TextEncoding> ToDoStore::takeSwitchToUtf8()
{
    return std::exchange(m_switchedFrom, std::nullopt);
}

QString ToDoListNowUtf8Message(const QString &path, TextEncoding was)
{
    const int codePage = was == TextEncoding::Windows1250 ? 1250 : was == TextEncoding::Windows1251 ? 1251 : 1252;
    return QStringLiteral("The to-do list \"%1\" was kept in the Windows code page %2, which has no place for "
                          "some characters of its items. It is saved in UTF-8 from now on, so that none is lost.")
        .arg(path)
        .arg(codePage);
}

IoStatus ToDoStore::SaveToDoFile()
{
    m_items.removeIf([](const ToDoItem &item) { return item.text.isEmpty(); });
    return WriteToDoFile();
}

QString ToDoStore::nextArchivePath(const QString &currentDirectory) const
{
    QString stem = currentDirectory;
    if (!stem.endsWith(u'/'))
        stem += u'/';
    stem += u"todoes/To-Do List ";
    for (quint64 n = 1;; ++n) {
        QString path = stem + QString::number(n) + u".todo";
        if (!m_files.exists(path))
            return path;
    }
}

std::optional<QString> ToDoStore::ArchiveToDoList(const QString &currentDirectory)
{
    const QString path = nextArchivePath(currentDirectory);
    const IoStatus written =
        m_files.replaceFile(path, m_codec.encode(FormatArchiveText(m_items), m_encoding));
    if (!written)
        return CannotCreateFileMessage(path, written.reason);
    m_items.clear();
    return std::nullopt;
}

void ToDoStore::AppendToDoItem(const QString &text)
{
    m_items.append({AsOneLine(text), false});
}

bool ToDoStore::ReplaceToDoText(qsizetype index, const QString &text)
{
    if (!isIndex(index))
        return false;
    m_items[index].text = AsOneLine(text);
    return true;
}

bool ToDoStore::DeleteToDoItem(qsizetype index)
{
    if (!isIndex(index))
        return false;
    m_items.removeAt(index);
    return true;
}

bool ToDoStore::setDone(qsizetype index, bool done)
{
    if (!isIndex(index))
        return false;
    m_items[index].done = done;
    return true;
}

void ToDoStore::ClearDoneItems()
{
    m_items.removeIf([](const ToDoItem &item) { return item.done; });
}

void ToDoStore::ClearAllItems()
{
    m_items.clear();
}

ToDoCounts ToDoStore::counts() const
{
    ToDoCounts counts;
    counts.total = m_items.size();
    counts.done = std::count_if(m_items.cbegin(), m_items.cend(),
                                [](const ToDoItem &item) { return item.done; });
    counts.open = counts.total - counts.done;
    return counts;
}

QString ToDoChangeNotSavedMessage(const QString &path, const QString &reason)
{
    return QStringLiteral("Unable to save the To-Do list to %1: %2\n"
                          "The list stays as it is in the window; the next change tries again.")
        .arg(path, reason);
}

} // namespace veltrano
