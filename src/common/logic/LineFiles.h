#pragma once
#include <QString>
#include <QStringView>

namespace veltrano {

// The program's line files (the to-do list, its archives, the day files) end
// every line with CR LF. Reading takes CR, LF and CR LF alike, and a break at
// the very end adds no empty line, and a leading byte-order mark is skipped. Calls `line` with each line in order.
template <typename Line>
void ForEachLine(QStringView text, Line &&line)
{
    // Notepad's UTF-8 files start with a byte-order mark; it is no part of the
    // first line (there it would hide the to-do state digit).
    if (text.startsWith(QChar(0xFEFF)))
        text = text.mid(1);
    const QChar *p = text.data();
    const QChar *const end = p + text.size();
    while (p != end) {
        const QChar *start = p;
        while (p != end && *p != u'\r' && *p != u'\n')
            ++p;
        line(QStringView(start, p));
        if (p == end)
            break;
        if (*p++ == u'\r' && p != end && *p == u'\n')
            ++p;
    }
}

// Text as it is to be written to a file whose reading skips one leading
// byte-order mark: text that itself starts with U+FEFF gets one in front, so
// the skip takes only that.
QString KeepLeadingMark(const QString &text);

// A line's text made safe to write as one line: each CR, LF or CR LF inside it
// becomes a space, so it cannot split into lines the next read takes apart.
QString AsOneLine(const QString &text);

// The general error report's texts.
QString CannotCreateFileMessage(const QString &path, const QString &reason);
QString CannotOpenFileMessage(const QString &path, const QString &reason);

} // namespace veltrano
