#include "common/logic/ConflictCopies.h"

#include <algorithm>

namespace veltrano {
namespace {

struct SplitName {
    QString stem;
    QString suffix; // with its dot; empty when the name has none
};

SplitName split(const QString &fileName)
{
    const qsizetype dot = fileName.lastIndexOf(u'.');
    if (dot <= 0)
        return {fileName, {}};
    return {fileName.left(dot), fileName.mid(dot)};
}

QString safeHost(const QString &host)
{
    QString safe;
    for (QChar c : host) {
        const bool plain = c.unicode() < 0x80 && (c.isLetterOrNumber() || c == u'-' || c == u'_');
        safe += plain ? c : u'_';
    }
    return safe.isEmpty() ? QStringLiteral("host") : safe.left(64);
}

} // namespace

QString ConflictCopyName(const QString &fileName, const QString &host, const QDateTime &when)
{
    const SplitName name = split(fileName);
    return name.stem + u".conflict-" + safeHost(host) + u'-' + when.toString(QStringLiteral("yyyyMMdd-HHmmss"))
           + name.suffix;
}

bool IsConflictCopyOf(const QString &candidate, const QString &fileName)
{
    const SplitName name = split(fileName);
    if (candidate.compare(fileName, Qt::CaseInsensitive) == 0
        || !candidate.endsWith(name.suffix, Qt::CaseInsensitive))
        return false;
    const QString stem = candidate.left(candidate.size() - name.suffix.size());
    if (!stem.startsWith(name.stem, Qt::CaseInsensitive))
        return false;
    const QString rest = stem.mid(name.stem.size());
    // Ours and Syncthing's follow a dot; Nextcloud's and Dropbox's a blank
    // and a bracket.
    if (rest.startsWith(u".conflict-") || rest.startsWith(u".sync-conflict-"))
        return true;
    return rest.startsWith(u" (") && rest.endsWith(u')') && rest.contains(QStringLiteral("conflicted copy"));
}

QString ConflictKeptMessage(const QString &copy)
{
    return QStringLiteral("The file had been changed elsewhere while this program changed it too. Both are kept: "
                          "the other version as \"%1\".")
        .arg(copy);
}

QStringList ConflictCopiesAmong(const QStringList &names, const QString &fileName)
{
    QStringList copies;
    std::copy_if(names.cbegin(), names.cend(), std::back_inserter(copies),
                 [&fileName](const QString &name) { return IsConflictCopyOf(name, fileName); });
    std::sort(copies.begin(), copies.end());
    return copies;
}

} // namespace veltrano
