#include "platform/linux/DesktopEntries.h"

namespace veltrano {
namespace {

QString unescapeString(QStringView value)
{
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c != u'\\' || i + 1 == value.size()) {
            out += c;
            continue;
        }
        const QChar next = value[++i];
        switch (next.unicode()) {
        case u's': out += u' '; break;
        case u'n': out += u'\n'; break;
        case u't': out += u'\t'; break;
        case u'r': out += u'\r'; break;
        case u'\\': out += u'\\'; break;
        // Not a string escape: left for the Exec quoting rules to read.
        default: out += c; out += next; break;
        }
    }
    return out;
}

// Splits on blanks outside double quotes; inside them a backslash keeps the
// next ", `, $ or \ as it is.
std::optional<QStringList> splitQuoted(const QString &line)
{
    QStringList words;
    QString word;
    bool inWord = false;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted) {
            if (c == u'\\' && i + 1 < line.size() && QStringView(u"\"`$\\").contains(line[i + 1]))
                word += line[++i];
            else if (c == u'"')
                quoted = false;
            else
                word += c;
        } else if (c == u' ' || c == u'\t') {
            if (inWord)
                words << word;
            word.clear();
            inWord = false;
        } else {
            inWord = true;
            if (c == u'"')
                quoted = true;
            else
                word += c;
        }
    }
    if (quoted)
        return std::nullopt;
    if (inWord)
        words << word;
    return words;
}

// "%%" is a percent sign; every other field code stands for files, URLs,
// icons or names we never pass, so it goes, and an argument that was only a
// field code goes with it.
std::optional<QString> withoutFieldCodes(const QString &word)
{
    QString out;
    bool onlyCodes = !word.isEmpty();
    for (qsizetype i = 0; i < word.size(); ++i) {
        if (word[i] != u'%' || i + 1 == word.size()) {
            out += word[i];
            onlyCodes = false;
        } else if (word[++i] == u'%') {
            out += u'%';
            onlyCodes = false;
        }
    }
    if (onlyCodes)
        return std::nullopt;
    return out;
}

} // namespace

std::optional<QString> KeyFileValue(const QByteArray &content, const QString &group, const QString &key)
{
    const QString header = u'[' + group + u']';
    bool inGroup = false;
    for (const QByteArray &rawLine : content.split('\n')) {
        const QString line = QString::fromUtf8(rawLine).trimmed();
        if (line.startsWith(u'[')) {
            inGroup = line == header;
            continue;
        }
        if (!inGroup || line.startsWith(u'#'))
            continue;
        const qsizetype equals = line.indexOf(u'=');
        if (equals > 0 && QStringView(line).left(equals).trimmed() == key)
            return unescapeString(QStringView(line).mid(equals + 1).trimmed());
    }
    return std::nullopt;
}

QStringList ExecArguments(const QString &execValue)
{
    const std::optional<QStringList> words = splitQuoted(execValue);
    if (!words)
        return {};
    QStringList arguments;
    for (const QString &word : *words) {
        if (const std::optional<QString> argument = withoutFieldCodes(word))
            arguments << *argument;
    }
    return arguments;
}

QString ExecValueFor(const QString &program)
{
    QString quoted = QStringLiteral("\"");
    for (const QChar c : program) {
        if (QStringView(u"\"`$\\").contains(c))
            quoted += u'\\';
        if (c == u'%')
            quoted += u'%';
        quoted += c;
    }
    quoted += u'"';
    // The string level of the file is read before the quoting.
    return quoted.replace(u'\\', QStringLiteral("\\\\"));
}

} // namespace veltrano
