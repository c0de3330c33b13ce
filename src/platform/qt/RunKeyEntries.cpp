#include "platform/qt/RunKeyEntries.h"

#include <QRegularExpression>
#include <QStringList>

namespace veltrano {
namespace {

QStringList entriesOf(const QString &value)
{
    static const QRegularExpression separators(QStringLiteral("[ ,\t]+"));
    return value.split(separators, Qt::SkipEmptyParts);
}

bool names(const QString &entry, const QString &program)
{
    return entry.compare(program, Qt::CaseInsensitive) == 0;
}

} // namespace

QString WithRunEntry(const QString &value, const QString &program)
{
    const QStringList entries = entriesOf(value);
    for (const QString &entry : entries) {
        if (names(entry, program))
            return value;
    }
    return (entries + QStringList{program}).join(u' ');
}

QString WithoutRunEntry(const QString &value, const QString &program)
{
    const QStringList entries = entriesOf(value);
    QStringList kept;
    for (const QString &entry : entries) {
        if (!names(entry, program))
            kept.append(entry);
    }
    // Another program's key stays byte for byte what it was.
    return kept.size() == entries.size() ? value : kept.join(u' ');
}

bool FitsRunKey(const QString &program)
{
    return !program.isEmpty() && !program.contains(u' ') && !program.contains(u',') && !program.contains(u'\t');
}

} // namespace veltrano
