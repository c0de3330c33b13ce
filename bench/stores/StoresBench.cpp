#include "StoreFloors.h"

#include "platform/qt/QtFileSystem.h"
#include "platform/qt/Utf8SystemCodec.h"
#include "projects/logic/ProjectsUtils.h"
#include "todo/logic/ToDoStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace veltrano;

namespace {

// 100 projects of 9 structures of 10 sub-structures: 10,000 folders, each
// with its note, as a long-used installation has them.
const QString &treeDataFolder()
{
    static QTemporaryDir dir;
    static const QString folder = [] {
        const QString root = dir.path() + u'/';
        for (int p = 0; p < 100; ++p) {
            for (int s = 0; s < 9; ++s) {
                for (int d = 0; d < 10; ++d) {
                    const QString path = root + u"Projects Group/Project " + QString::number(p) + u"/Part "
                                         + QString::number(s) + u"/Task " + QString::number(d);
                    QDir().mkpath(path);
                    QFile note(path + u"/note.rtf");
                    note.open(QIODevice::WriteOnly);
                }
                QFile note(root + u"Projects Group/Project " + QString::number(p) + u"/Part "
                           + QString::number(s) + u"/note.rtf");
                note.open(QIODevice::WriteOnly);
            }
        }
        return root;
    }();
    return folder;
}

void RebuildTree10k(benchmark::State &state)
{
    QtFileSystem files;
    const QString data = treeDataFolder();
    ProjectTree tree;
    for (auto _ : state) {
        tree.RebuildTree(files, data);
        benchmark::DoNotOptimize(tree.root());
    }
    state.counters["nodes"] = double(tree.nodesInTreeOrder().size());
}
BENCHMARK(RebuildTree10k)->Unit(benchmark::kMillisecond);

// The platform listing alone, over the same 10,000 folders.
void ListFolders10k(benchmark::State &state)
{
    QtFileSystem files;
    const QStringList folders = ListAllFolders(files, treeDataFolder() + u"Projects Group");
    for (auto _ : state) {
        qsizetype entries = 0;
        for (const QString &folder : folders)
            entries += files.listFolder(folder).size();
        benchmark::DoNotOptimize(entries);
    }
}
BENCHMARK(ListFolders10k)->Unit(benchmark::kMillisecond);

void RebuildTree10kFloor(benchmark::State &state)
{
    const std::string group = QString(treeDataFolder() + u"Projects Group/").toStdString();
    for (auto _ : state) {
        bench::FloorNode root;
        root.label = "Projects Group";
        bench::ScanFolderFloor(group, root);
        benchmark::DoNotOptimize(root.children.data());
    }
}
BENCHMARK(RebuildTree10kFloor)->Unit(benchmark::kMillisecond);

// 100,000 items of a few words each, one in ten done.
const QString &toDoDataFolder()
{
    static QTemporaryDir dir;
    static const QString folder = [] {
        const QString root = dir.path() + u'/';
        QByteArray bytes;
        for (int i = 0; i < 100000; ++i) {
            bytes += i % 10 == 0 ? '1' : '0';
            bytes += "Call the bank about item " + QByteArray::number(i) + " [ 09:30:00 ]\r\n";
        }
        QFile file(root + u"list.todo");
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return root;
    }();
    return folder;
}

void LoadSaveToDo100k(benchmark::State &state)
{
    QtFileSystem files;
    Utf8SystemCodec codec;
    ToDoStore store(files, codec, toDoDataFolder());
    for (auto _ : state) {
        store.LoadToDoFile();
        if (!store.SaveToDoFile())
            state.SkipWithError("save failed");
    }
    state.counters["items"] = double(store.items().size());
}
BENCHMARK(LoadSaveToDo100k)->Unit(benchmark::kMillisecond);

void LoadSaveToDo100kFloor(benchmark::State &state)
{
    const std::string path = QString(toDoDataFolder() + u"list.todo").toStdString();
    const bool sync = state.range(0) != 0;
    for (auto _ : state) {
        const std::vector<bench::FloorItem> items = bench::LoadToDoFloor(path);
        if (!bench::SaveToDoFloor(path, items, sync))
            state.SkipWithError("save failed");
    }
}
BENCHMARK(LoadSaveToDo100kFloor)->ArgName("sync")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
