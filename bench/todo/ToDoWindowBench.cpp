// The to-do window as the program builds it, on real files in a temp data
// folder: showing it with 10,000 items, and ticking one item, which writes
// the whole list. Each beside a floor measured in the same run: the same
// window empty, and the plainest atomic write of the same list.
#include "StoreFloors.h"

#include "app/ui/Application.h"
#include "common/logic/MessageBoxes.h"
#include "common/ui/ModalDialogs.h"
#include "platform/fake/FakePlatform.h"
#include "todo/logic/ToDoListModel.h"
#include "todo/ui/ToDoWindow.h"
#include "todo/ui/ToDoFeature.h"

#include "QuietSeams.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QKeyEvent>
#include <QListView>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace veltrano;

namespace {

QByteArray listOf(int items)
{
    QByteArray bytes;
    for (int i = 0; i < items; ++i) {
        bytes += i % 10 == 0 ? '1' : '0';
        bytes += "Call the bank about item " + QByteArray::number(i) + " [ 09:30:00 ]\r\n";
    }
    return bytes;
}

// The whole program on a data folder holding `items` to-do items.
class Program {
public:
    explicit Program(int items)
    {
        const QString folder = m_dir.path() + u'/';
        write(folder + u"list.todo", listOf(items));
        write(folder + u"PM.INI", "[Common]\r\nTo-Do Autostart=0\r\n");
        m_platform.locationsFake.exePath = folder + u"veltrano";
        m_program = std::make_unique<Application>(m_platform, m_messages, m_dialogs);
    }
    ToDoWindow &toDo() const { return m_program->toDo().window(); }
    QListView &view() const { return *toDo().findChild<QListView *>(QStringLiteral("ToDoList")); }
    std::string listPath() const { return QString(m_dir.path() + u"/list.todo").toStdString(); }

private:
    static void write(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }

    QTemporaryDir m_dir;
    FakePlatform m_platform;
    bench::QuietMessages m_messages;
    bench::QuietDialogs m_dialogs;
    std::unique_ptr<Application> m_program;
};

// The list read from its file into the window (what the window's creation
// does), then the window shown and painted in full, as the user first sees it.
void OpenToDoWindow(benchmark::State &state)
{
    Program program(int(state.range(0)));
    ToDoWindow &window = program.toDo();
    for (auto _ : state) {
        window.list().LoadToDoFile();
        window.showWindow();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(window.grab());
        state.PauseTiming();
        window.hide();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["items"] = double(window.list().count());
}
BENCHMARK(OpenToDoWindow)->ArgName("items")->Arg(0)->Arg(10000)->Unit(benchmark::kMillisecond);

// Space on the current item: the check mark changes and the list is saved.
void TickOneItem(benchmark::State &state)
{
    Program program(10000);
    ToDoWindow &window = program.toDo();
    window.showWindow();
    QListView &view = program.view();
    view.setCurrentIndex(view.model()->index(5000, 0));
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        QCoreApplication::sendEvent(&view, &press);
        QCoreApplication::processEvents(); // the check mark repainted
    }
    const QFile file(QString::fromStdString(program.listPath()));
    state.counters["bytes"] = double(file.size());
}
BENCHMARK(TickOneItem)->Unit(benchmark::kMillisecond);

// The plainest atomic write of the same 10,000 items, synced like the store's.
void TickOneItemFloor(benchmark::State &state)
{
    Program program(10000);
    std::vector<bench::FloorItem> items = bench::LoadToDoFloor(program.listPath());
    for (auto _ : state) {
        items[5000].done = !items[5000].done;
        if (!bench::SaveToDoFloor(program.listPath(), items, true))
            state.SkipWithError("save failed");
    }
}
BENCHMARK(TickOneItemFloor)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
