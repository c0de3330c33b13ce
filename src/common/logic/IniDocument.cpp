#include "common/logic/IniDocument.h"

#include "common/logic/LineFiles.h"

namespace veltrano {
namespace {

// The section a line opens, or nothing when it is not a section header.
std::optional<QString> sectionName(const QString &line)
{
    const QString trimmed = line.trimmed();
    if (!trimmed.startsWith(u'['))
        return std::nullopt;
    const qsizetype close = trimmed.indexOf(u']');
    if (close < 0)
        return std::nullopt;
    return trimmed.mid(1, close - 1).trimmed();
}

bool isComment(const QString &trimmed)
{
    return trimmed.startsWith(u';');
}

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

IniDocument IniDocument::parse(const QString &text)
{
    IniDocument doc;
    QString body = text;
    if (body.startsWith(QChar(0xFEFF)))
        body.remove(0, 1);
    const qsizetype firstBreak = body.indexOf(u'\n');
    if (firstBreak >= 0 && (firstBreak == 0 || body.at(firstBreak - 1) != u'\r'))
        doc.m_newline = QStringLiteral("\n");
    body.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    body.replace(u'\r', u'\n');
    doc.m_lines = body.split(u'\n');
    if (!doc.m_lines.isEmpty() && doc.m_lines.last().isEmpty())
        doc.m_lines.removeLast();
    return doc;
}

QString IniDocument::toText() const
{
    QString text;
    for (const QString &line : m_lines)
        text += line + m_newline;
    // The parse skipped one mark, so a first line that starts with one keeps it.
    return KeepLeadingMark(text);
}

qsizetype IniDocument::findSection(const QString &section) const
{
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        const auto name = sectionName(m_lines.at(i));
        if (name && sameName(*name, section))
            return i;
    }
    return -1;
}

qsizetype IniDocument::sectionEnd(qsizetype header) const
{
    qsizetype i = header + 1;
    while (i < m_lines.size() && !sectionName(m_lines.at(i)))
        ++i;
    return i;
}

IniDocument::KeyLine IniDocument::findKey(qsizetype header, const QString &key) const
{
    const qsizetype end = sectionEnd(header);
    for (qsizetype i = header + 1; i < end; ++i) {
        const QString &line = m_lines.at(i);
        const qsizetype eq = line.indexOf(u'=');
        if (eq < 0 || isComment(line.trimmed()))
            continue;
        const QString name = line.left(eq).trimmed();
        if (sameName(name, key))
            return {i, name};
    }
    return {};
}

std::optional<QString> IniDocument::value(const QString &section, const QString &key) const
{
    const qsizetype header = findSection(section);
    if (header < 0)
        return std::nullopt;
    const KeyLine line = findKey(header, key);
    if (line.index < 0)
        return std::nullopt;
    const QString &text = m_lines.at(line.index);
    return text.mid(text.indexOf(u'=') + 1).trimmed();
}

void IniDocument::setValue(const QString &section, const QString &key, const QString &value)
{
    qsizetype header = findSection(section);
    if (header < 0) {
        m_lines.append(u'[' + section + u']');
        m_lines.append(key + u'=' + value);
        return;
    }
    const KeyLine line = findKey(header, key);
    if (line.index >= 0) {
        m_lines[line.index] = line.name + u'=' + value;
        return;
    }
    // After the section's last non-blank line, so blank separators stay between sections.
    qsizetype insertAt = sectionEnd(header);
    while (insertAt > header + 1 && m_lines.at(insertAt - 1).trimmed().isEmpty())
        --insertAt;
    m_lines.insert(insertAt, key + u'=' + value);
}

} // namespace veltrano
