// Load and save times of notes of 100 KB and 1 MB, and what a keystroke costs:
// the note is rewritten whole on every change of the editor.
#include "BenchNotes.h"
#include "rtf/RtfReader.h"
#include "rtf/RtfWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <benchmark/benchmark.h>
#include <type_traits>

using namespace Qt::StringLiterals;
using namespace veltrano;
using veltrano::bench::fillNote;

namespace {

QTextDocument &note(qsizetype bytes)
{
    static QTextDocument small, large;
    QTextDocument &doc = bytes < 500 * 1024 ? small : large;
    if (doc.isEmpty())
        fillNote(doc, bytes);
    return doc;
}

void setSize(benchmark::State &state, const QByteArray &rtf)
{
    state.counters["rtf_bytes"] = static_cast<double>(rtf.size());
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * rtf.size());
}

void BM_Save(benchmark::State &state)
{
    const QTextDocument &doc = note(state.range(0));
    QByteArray rtf;
    for (auto _ : state) {
        rtf = writeRtf(doc);
        benchmark::DoNotOptimize(rtf.data());
    }
    setSize(state, rtf);
}

void BM_Load(benchmark::State &state)
{
    const QByteArray rtf = writeRtf(note(state.range(0)));
    for (auto _ : state) {
        QTextDocument doc;
        benchmark::DoNotOptimize(readRtf(rtf, doc));
    }
    setSize(state, rtf);
}

// A note of `bytes` with the caret at its end, for typing into.
QTextCursor noteToTypeInto(QTextDocument &doc, qsizetype bytes)
{
    doc.setUndoRedoEnabled(false);
    fillNote(doc, bytes);
    QTextCursor cursor(&doc);
    cursor.movePosition(QTextCursor::End);
    return cursor;
}

// What the note editor's writer does after a keystroke: only the paragraph
// typed into is encoded again, the others are copied as they were.
void BM_SaveAfterKeystroke(benchmark::State &state)
{
    QTextDocument doc;
    QTextCursor cursor = noteToTypeInto(doc, state.range(0));
    RtfDocumentWriter writer;
    QByteArray rtf = writer.write(doc);
    for (auto _ : state) {
        cursor.insertText(u"x"_s);
        rtf = writer.write(doc);
        benchmark::DoNotOptimize(rtf.data());
    }
    setSize(state, rtf);
}

// One keystroke: the character typed, then the note encoded and written to disk
// the way the program saves files (atomic replace).
void BM_KeystrokeSave(benchmark::State &state)
{
    QTemporaryDir dir(QDir::currentPath() + u"/rtf-bench-XXXXXX"_s);
    QTextDocument doc;
    QTextCursor cursor = noteToTypeInto(doc, state.range(0));
    QByteArray rtf;
    for (auto _ : state) {
        cursor.insertText(u"x"_s);
        rtf = writeRtf(doc);
        QSaveFile file(dir.filePath(u"note.rtf"_s));
        file.open(QIODevice::WriteOnly);
        file.write(rtf);
        file.commit();
    }
    setSize(state, rtf);
}

// The same bytes written to disk without encoding them: the floor for a save,
// atomically as the program writes files, and with a plain QFile.
template <typename File>
void BM_WriteBytes(benchmark::State &state)
{
    QTemporaryDir dir(QDir::currentPath() + u"/rtf-bench-XXXXXX"_s);
    const QByteArray rtf = writeRtf(note(state.range(0)));
    for (auto _ : state) {
        File file(dir.filePath(u"note.rtf"_s));
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(rtf);
        if constexpr (std::is_same_v<File, QSaveFile>)
            file.commit();
        else
            file.close();
    }
    setSize(state, rtf);
}

constexpr int64_t k100KB = 100 * 1024;
constexpr int64_t k1MB = 1024 * 1024;

BENCHMARK(BM_Save)->Arg(k100KB)->Arg(k1MB)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Load)->Arg(k100KB)->Arg(k1MB)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SaveAfterKeystroke)->Arg(k100KB)->Arg(k1MB)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_KeystrokeSave)->Arg(k100KB)->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(BM_WriteBytes, QSaveFile)->Arg(k100KB)->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(BM_WriteBytes, QFile)->Arg(k100KB)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
