// What the data folder's writer and watch cost the user, on the assembled
// program with its real editor, on the real disk:
//   KeystrokeOnGuiThread/<disk sync ms>: one key into a 100 KB note, as the
//     GUI thread spends it (CPU and wall), with the disk's sync as it is (0)
//     or taking 50 ms more; "last_key_on_disk_ms" is how long after the last
//     key the note held it.
//   KeystrokeWrittenAtOnce/<disk sync ms>: the same with every write made on
//     the GUI thread, as before the writer had a thread of its own.
//   FileLandingToWindow: a list.todo renamed into the data folder by another
//     hand (as a sync engine does) until the to-do count shows it.
//   LargeNote/<MB>: a note of that size chosen in the tree until it can be
//     typed into ("load_ms"), the longest the window went without handling
//     its events meanwhile ("load_stall_ms"), then three seconds of typing at
//     ten keys a second where the note opens: the first key's stall, the
//     longest stall of the others, the last key on disk after, and the
//     process's peak memory.
#include "rtf/BenchNotes.h"

#include "app/ui/Application.h"
#include "app/ui/MainWindow.h"
#include "common/logic/BackgroundWriter.h"
#include "common/ui/AppContext.h"
#include "platform/fake/FakePlatform.h"
#include "platform/fake/SlowDisk.h"
#include "rtf/RtfWriter.h"

#include "BenchProgram.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTreeWidget>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <memory>
#include <thread>

using namespace veltrano;

namespace {

// The fake platform with the disk above for its files.
struct DiskPlatform {
    DiskPlatform(int syncMs, bool background)
    {
        disk.delayMs = syncMs;
        disk.anyThread = background;
        fake.otherDisk = &disk;
    }
    test::SlowDisk disk;
    FakePlatform fake;
};

class Program {
public:
    Program(const QString &dataFolder, int syncMs, bool background = true)
        : m_platform(syncMs, background), m_shown(m_platform.fake, dataFolder)
    {
    }
    ~Program() { m_shown.app().shutDown(); }
    BackgroundWriter &files() const { return m_shown.app().context().files(); }
    QTextEdit &editor() const { return m_shown.editor(); }
    QLabel &toDoCount() const { return *m_shown.main().findChild<QLabel *>(QStringLiteral("Label14")); }
    void select(const QString &label) const { m_shown.select(label); }

private:
    DiskPlatform m_platform;
    bench::BenchProgram m_shown;
};

QString dataFolder(QTemporaryDir &dir, qsizetype noteBytes)
{
    const QString root = dir.path() + u'/';
    QDir().mkpath(root + QStringLiteral("Projects Group/Note"));
    QDir().mkpath(root + QStringLiteral("Week"));
    QFile(root + QStringLiteral("PM.INI")).open(QIODevice::WriteOnly);
    QTextDocument doc;
    bench::fillNote(doc, noteBytes);
    QFile note(root + QStringLiteral("Projects Group/Note/note.rtf"));
    note.open(QIODevice::WriteOnly);
    note.write(writeRtf(doc));
    return root;
}

void sendKey(QWidget &target, QChar ch)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
    QApplication::sendEvent(&target, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
    QApplication::sendEvent(&target, &release);
}

void keystrokes(benchmark::State &state, bool background)
{
    QTemporaryDir dir(QDir::currentPath() + QStringLiteral("/sync-bench-XXXXXX"));
    const QString data = dataFolder(dir, 100 * 1024);
    Program program(data, int(state.range(0)), background);
    program.select(QStringLiteral("Note"));
    QTextEdit &editor = program.editor();
    editor.setFocus();
    editor.moveCursor(QTextCursor::End);
    for (auto _ : state) {
        sendKey(editor, u'x');
        // The turn of the event loop that follows every key in the program.
        QCoreApplication::processEvents();
    }
    QElapsedTimer landing;
    landing.start();
    program.files().waitUntilWritten(std::chrono::seconds(30));
    state.counters["last_key_on_disk_ms"] = double(landing.elapsed());
}

void KeystrokeOnGuiThread(benchmark::State &state)
{
    keystrokes(state, true);
}

void KeystrokeWrittenAtOnce(benchmark::State &state)
{
    keystrokes(state, false);
}

void FileLandingToWindow(benchmark::State &state)
{
    QTemporaryDir dir(QDir::currentPath() + QStringLiteral("/sync-bench-XXXXXX"));
    const QString data = dataFolder(dir, 1024);
    Program program(data, 0);
    const QString list = data + QStringLiteral("list.todo");
    QByteArray items;
    int count = 0;
    for (auto _ : state) {
        items += "0item " + QByteArray::number(++count) + "\r\n";
        const QString shown = QStringLiteral("To-Does . . . ") + QString::number(count);
        // Written beside and renamed into place, as sync engines do.
        QFile landing(data + QStringLiteral(".list.todo.tmp"));
        landing.open(QIODevice::WriteOnly);
        landing.write(items);
        landing.close();
        QElapsedTimer elapsed;
        elapsed.start();
        std::rename(QFile::encodeName(landing.fileName()).constData(), QFile::encodeName(list).constData());
        QDeadlineTimer deadline(5000);
        while (!program.toDoCount().text().contains(shown) && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        state.SetIterationTime(double(elapsed.nsecsElapsed()) / 1e9);
    }
}

// The process's peak resident memory, MB (Linux).
double peakResidentMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024;
    return 0;
}

// Runs the event loop until `done` or `limitMs`; returns the longest time
// between two turns of the loop, the time the window could not answer.
template <typename Done>
qint64 longestStallUntil(Done done, int limitMs, QElapsedTimer &sinceTurn)
{
    qint64 longest = 0;
    QDeadlineTimer deadline(limitMs);
    while (!done() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        longest = std::max(longest, sinceTurn.restart());
    }
    return longest;
}

void LargeNote(benchmark::State &state)
{
    QTemporaryDir dir(QDir::currentPath() + QStringLiteral("/sync-bench-XXXXXX"));
    const QString data = dataFolder(dir, state.range(0) * 1024 * 1024);
    for (auto _ : state) {
        Program program(data, 0);
        QTextEdit &editor = program.editor();
        QElapsedTimer loading;
        loading.start();
        QElapsedTimer sinceTurn;
        sinceTurn.start();
        program.select(QStringLiteral("Note"));
        const auto loaded = [&editor] { return !editor.isReadOnly() && editor.document()->characterCount() > 1000; };
        state.counters["load_stall_ms"] = double(longestStallUntil(loaded, 300000, sinceTurn));
        state.counters["load_ms"] = double(loading.elapsed());
        // Typed where the note opens, at its start.
        editor.setFocus();
        qint64 typingStall = 0;
        for (int key = 0; key < 30; ++key) {
            sendKey(editor, u'x');
            QElapsedTimer pause;
            pause.start();
            const qint64 stall = longestStallUntil([&pause] { return pause.elapsed() >= 100; }, 1000, sinceTurn);
            if (key == 0)
                state.counters["first_key_stall_ms"] = double(stall);
            else
                typingStall = std::max(typingStall, stall);
        }
        state.counters["typing_stall_ms"] = double(typingStall);
        QElapsedTimer landing;
        landing.start();
        program.files().waitUntilWritten(std::chrono::seconds(60));
        state.counters["last_key_on_disk_ms"] = double(landing.elapsed());
    }
    state.counters["peak_rss_mb"] = peakResidentMb();
}

} // namespace

BENCHMARK(KeystrokeOnGuiThread)->Arg(0)->Arg(50)->Iterations(200)->Unit(benchmark::kMillisecond);
BENCHMARK(KeystrokeWrittenAtOnce)->Arg(0)->Arg(50)->Iterations(50)->Unit(benchmark::kMillisecond);
BENCHMARK(LargeNote)->Arg(50)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(FileLandingToWindow)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
