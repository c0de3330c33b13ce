// libFuzzer target for the to-do file. Besides crashes and sanitizer reports
// it checks what the list relies on across a run of the program:
// - every item read is one line;
// - after the edits a user makes (tick, retext, add, each possibly holding
//   line breaks), the saved file loads as the list that was saved, and saving
//   that again writes the same bytes;
// - an archive holds each item's text as one line of its own;
// - a file that is no file of bytes (FIFO, device) or too large is read as no
//   list, and no save writes over it.
#include "FuzzSupport.h"
#include "common/logic/LineFiles.h"
#include "platform/qt/Utf8SystemCodec.h"
#include "todo/logic/ToDoStore.h"

using namespace veltrano;
using veltrano::fuzz::require;

namespace {

const QString kDataFolder = QStringLiteral("/data/");
const QString kCurrentFolder = QStringLiteral("/home/user");

bool isOneLine(const QString &text)
{
    return !text.contains(u'\r') && !text.contains(u'\n');
}

QStringList linesOf(const QString &text)
{
    QStringList lines;
    ForEachLine(text, [&](QStringView line) { lines.append(line.toString()); });
    return lines;
}

// Items as the file writes them, to compare lists and show the difference.
QStringList linesOf(const QList<ToDoItem> &items)
{
    QStringList lines;
    for (const ToDoItem &item : items)
        lines.append((item.done ? u'1' : u'0') + item.text);
    return lines;
}

void editAsAUserWould(ToDoStore &store, const QString &text)
{
    const qsizetype count = store.items().size();
    if (count > 0) {
        store.setDone(0, !store.items().at(0).done);
        store.ReplaceToDoText(count / 2, text.right(200));
    }
    store.AppendToDoItem(text.left(200));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzz::inputBytes(data, size);
    const Utf8SystemCodec codec = fuzz::codecFor(data, size);
    fuzz::MemoryFileSystem files;
    ToDoStore store(files, codec, kDataFolder);
    const fuzz::Hostile kind = files.place(store.filePath(), bytes);

    store.LoadToDoFile();
    if (kind != fuzz::Hostile::None) {
        require(store.items().isEmpty(), "a hostile file gives no items");
        editAsAUserWould(store, QStringLiteral("typed"));
        require(!store.SaveToDoFile(), "a list that could not be read is not saved over");
        require(files.untouched(store.filePath(), bytes, kind), "a hostile file stays as it was");
        return 0;
    }
    for (const ToDoItem &item : store.items())
        require(isOneLine(item.text), "an item read is one line");

    editAsAUserWould(store, codec.decode(bytes).text);
    require(bool(store.SaveToDoFile()), "the list saves");
    const QList<ToDoItem> saved = store.items();
    for (const ToDoItem &item : saved)
        require(isOneLine(item.text) && !item.text.isEmpty(), "a saved item is one non-empty line");
    const QByteArray written = files.files.value(store.filePath());

    ToDoStore reread(files, codec, kDataFolder);
    reread.LoadToDoFile();
    fuzz::requireEqual(linesOf(reread.items()), linesOf(saved), "the saved file loads as the list that was saved");
    require(bool(reread.SaveToDoFile()), "the list saves again");
    require(files.files.value(store.filePath()) == written, "saving what was loaded writes the same bytes");

    const QString archive = reread.nextArchivePath(kCurrentFolder);
    require(!reread.ArchiveToDoList(kCurrentFolder), "the archive is written");
    QStringList texts;
    for (const ToDoItem &item : saved)
        texts.append(item.text);
    fuzz::requireEqual(linesOf(codec.decode(files.files.value(archive)).text), texts,
                       "the archive holds each item's text as a line");
    require(reread.items().isEmpty(), "archiving empties the list");
    return 0;
}
