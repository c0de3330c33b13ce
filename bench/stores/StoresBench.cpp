#include "StoreFloors.h"
#include "TreeOfFolders.h"

#include "platform/qt/QtFileSystem.h"
#include "platform/qt/Utf8SystemCodec.h"
#include "projects/logic/ProjectTree.h"
#include "todo/logic/ToDoStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace veltrano;

namespace {

void RebuildTree10k(benchmark::State &state)
{
    QtFileSystem files;
    const QString data = bench::TenThousandFolders();
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
    const QStringList folders = ListAllFolders(files, bench::TenThousandFolders() + u"Projects Group");
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
    const std::string group = QString(bench::TenThousandFolders() + u"Projects Group/").toStdString();
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
