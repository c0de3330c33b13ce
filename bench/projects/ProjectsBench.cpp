// What the user waits for on the Worklist and the Projects page, measured
// through the assembled program on its real editor and file store:
//   Keystroke: a key sent to the note editor, until note.rtf is renamed into
//     place (the editor saves the whole note on every change), beside
//   AtomicWrite: the same bytes written atomically the same way, no encoding.
//   SelectNode: selecting a node whose note is large (its note is loaded).
//   RebuildAndPaint: the tree of 10,000 folders read again and painted.
//   RebuildWithScreenReader: a project of 5,000 sub-structures read again
//     after a screen reader has visited every row, with Qt's AT-SPI bridge
//     on (bench/tree_accessibility.sh); counts the accessibility events the
//     view sends per rebuild.
#include "rtf/BenchNotes.h"
#include "stores/TreeOfFolders.h"

#include "app/ui/Application.h"
#include "app/ui/MainWindow.h"
#include "common/logic/MessageBoxes.h"
#include "common/ui/ModalDialogs.h"
#include "platform/fake/FakePlatform.h"
#include "rtf/RtfWriter.h"
#include "projects/ui/ProjectTreePresenter.h"
#include "projects/ui/ProjectsFeature.h"

#include "BenchProgram.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTreeWidget>
#include <benchmark/benchmark.h>
#include <memory>

using namespace veltrano;

namespace {

// The program on the fake platform, which it owns.
class Program {
public:
    explicit Program(const QString &dataFolder) : m_shown(m_platform, dataFolder) {}
    ProjectsFeature &projects() const { return m_shown.app().projects(); }
    QTreeWidget &tree() const { return m_shown.tree(); }
    QTextEdit &editor() const { return m_shown.editor(); }
    void select(const QString &label) const { m_shown.select(label); }

private:
    FakePlatform m_platform;
    bench::BenchProgram m_shown;
};

// A data folder on the disk the build is on (not a memory file system), with
// the projects "Small" (a line of note) and "Large" (a note of about `bytes`).
QString notesFolder(QTemporaryDir &dir, qsizetype bytes)
{
    const QString root = dir.path() + u'/';
    QDir().mkpath(root + QStringLiteral("Projects Group/Small"));
    QDir().mkpath(root + QStringLiteral("Projects Group/Large"));
    QFile(root + QStringLiteral("PM.INI")).open(QIODevice::WriteOnly);
    QTextDocument doc;
    doc.setPlainText(QStringLiteral("A line of note."));
    QFile small(root + QStringLiteral("Projects Group/Small/note.rtf"));
    small.open(QIODevice::WriteOnly);
    small.write(writeRtf(doc));
    doc.clear();
    bench::fillNote(doc, bytes);
    QFile large(root + QStringLiteral("Projects Group/Large/note.rtf"));
    large.open(QIODevice::WriteOnly);
    large.write(writeRtf(doc));
    return root;
}

void sendKey(QWidget &target, QChar ch)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
    QApplication::sendEvent(&target, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
    QApplication::sendEvent(&target, &release);
}

void Keystroke(benchmark::State &state)
{
    QTemporaryDir dir(QDir::currentPath() + QStringLiteral("/projects-bench-XXXXXX"));
    const QString data = notesFolder(dir, state.range(0));
    Program program(data);
    program.select(QStringLiteral("Large"));
    QTextEdit &editor = program.editor();
    editor.setFocus();
    editor.moveCursor(QTextCursor::End);
    for (auto _ : state)
        sendKey(editor, u'x');
    state.counters["rtf_bytes"] = double(QFileInfo(data + QStringLiteral("Projects Group/Large/note.rtf")).size());
}

void AtomicWrite(benchmark::State &state)
{
    QTemporaryDir dir(QDir::currentPath() + QStringLiteral("/projects-bench-XXXXXX"));
    const QString data = notesFolder(dir, state.range(0));
    const QString file = data + QStringLiteral("Projects Group/Large/note.rtf");
    QFile source(file);
    source.open(QIODevice::ReadOnly);
    const QByteArray bytes = source.readAll();
    QtFileSystem files;
    for (auto _ : state) {
        if (!files.replaceFile(file, bytes))
            state.SkipWithError("write failed");
    }
    state.counters["rtf_bytes"] = double(bytes.size());
}

// Moving from the small note to the large one: the small note is read again
// (the node left) and the large one loaded into the editor.
void SelectNode(benchmark::State &state)
{
    QTemporaryDir dir(QDir::currentPath() + QStringLiteral("/projects-bench-XXXXXX"));
    Program program(notesFolder(dir, state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        program.select(QStringLiteral("Small"));
        state.ResumeTiming();
        program.select(QStringLiteral("Large"));
    }
    state.counters["characters"] = double(program.editor().document()->characterCount());
}

void RebuildAndPaint(benchmark::State &state)
{
    Program program(bench::TenThousandFolders());
    QTreeWidget &tree = program.tree();
    for (auto _ : state) {
        program.projects().projectManager().RebuildTree();
        program.projects().projectManager().CountProjects();
        tree.viewport()->repaint();
    }
    state.counters["nodes"] = double(tree.topLevelItem(0)->childCount());
}

// What a screen reader has done before the change: walked the tree, so the
// program keeps an accessible object for each row it was asked about (the
// AT-SPI bridge tells the reader of each one that goes).
int walkLikeAScreenReader(QTreeWidget &tree)
{
    QAccessibleInterface *view = QAccessible::queryAccessibleInterface(&tree);
    const int rows = view->childCount();
    for (int i = 0; i < rows; ++i) {
        if (QAccessibleInterface *row = view->child(i))
            row->text(QAccessible::Name);
    }
    return rows;
}

// Counts the events and hands each on to the bridge.
qint64 g_accessibleEvents = 0;

void countingBridge(QAccessibleEvent *event)
{
    ++g_accessibleEvents;
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(countingBridge);
}

QString oneProjectOfSubStructures(QTemporaryDir &dir, int count)
{
    const QString root = dir.path() + u'/';
    QDir().mkpath(root + QStringLiteral("Projects Group/Big"));
    QFile(root + QStringLiteral("PM.INI")).open(QIODevice::WriteOnly);
    QDir big(root + QStringLiteral("Projects Group/Big"));
    for (int i = 0; i < count; ++i)
        big.mkdir(QStringLiteral("sub%1").arg(i, 5, 10, QLatin1Char('0')));
    return root;
}

// Run on xcb with QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 inside dbus-run-session
// with the accessibility bus up (bench/tree_accessibility.sh): the real AT-SPI
// bridge does its work; elsewhere accessibility is off and it says so.
void RebuildWithScreenReader(benchmark::State &state)
{
    QTemporaryDir dir(QDir::currentPath() + QStringLiteral("/projects-bench-XXXXXX"));
    Program program(oneProjectOfSubStructures(dir, int(state.range(0))));
    QTreeWidget &tree = program.tree();
    if (!QAccessible::isActive()) {
        state.SkipWithError("accessibility is off: run it through bench/tree_accessibility.sh");
        return;
    }
    QAccessible::installUpdateHandler(countingBridge);
    g_accessibleEvents = 0;
    int rows = 0;
    for (auto _ : state) {
        state.PauseTiming();
        rows = walkLikeAScreenReader(tree);
        state.ResumeTiming();
        program.projects().projectManager().RebuildTree();
        tree.viewport()->repaint();
    }
    QAccessible::installUpdateHandler(nullptr);
    state.counters["rows"] = rows;
    state.counters["events"] = double(g_accessibleEvents) / double(state.iterations());
}

constexpr int64_t k100KB = 100 * 1024;
constexpr int64_t k1MB = 1024 * 1024;

BENCHMARK(Keystroke)->Arg(k100KB)->Arg(k1MB)->Unit(benchmark::kMillisecond);
BENCHMARK(AtomicWrite)->Arg(k100KB)->Arg(k1MB)->Unit(benchmark::kMillisecond);
BENCHMARK(SelectNode)->Arg(k1MB)->Unit(benchmark::kMillisecond);
BENCHMARK(RebuildAndPaint)->Unit(benchmark::kMillisecond);
BENCHMARK(RebuildWithScreenReader)->Arg(5000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
