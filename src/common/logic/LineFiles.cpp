#include "common/logic/LineFiles.h"

namespace veltrano {

QString AsOneLine(const QString &text)
{
    if (!text.contains(u'\r') && !text.contains(u'\n'))
        return text;
    QString line = text;
    line.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    line.replace(u'\r', u' ');
    line.replace(u'\n', u' ');
    return line;
}

QString KeepLeadingMark(const QString &text)
{
    return text.startsWith(QChar(0xFEFF)) ? QString(QChar(0xFEFF) + text) : text;
}

QString CannotCreateFileMessage(const QString &path, const QString &reason)
{
    return u"Cannot create file \"" + path + u"\". " + reason;
}

QString CannotOpenFileMessage(const QString &path, const QString &reason)
{
    return u"Cannot open file \"" + path + u"\". " + reason;
}

} // namespace veltrano
