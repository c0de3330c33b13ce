#include "platform/qt/LongTimeFormat.h"

#include <QStringList>
#include <algorithm>

namespace veltrano {
namespace {

// Splits a Qt date/time format into tokens: quoted literals, runs of one letter,
// and single other characters.
QStringList tokenize(const QString &format)
{
    QStringList tokens;
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format.at(i);
        qsizetype end = i + 1;
        if (c == u'\'') {
            while (end < format.size() && format.at(end) != u'\'')
                ++end;
            end = qMin(end + 1, format.size());
        } else if (c.isLetter()) {
            while (end < format.size() && format.at(end) == c)
                ++end;
        }
        tokens.append(format.mid(i, end - i));
        i = end;
    }
    return tokens;
}

bool isBlank(const QString &token)
{
    return token.trimmed().isEmpty();
}

} // namespace

QString longTimeFormatWithoutZone(const QString &format)
{
    QStringList tokens = tokenize(format);
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        if (!tokens.at(i).startsWith(u't'))
            continue;
        tokens.removeAt(i);
        // Take the blank that joined the zone to the rest with it.
        if (i < tokens.size() && isBlank(tokens.at(i)))
            tokens.removeAt(i);
        else if (i > 0 && isBlank(tokens.at(i - 1)))
            tokens.removeAt(--i);
        --i;
    }
    const bool hasSeconds = std::any_of(tokens.cbegin(), tokens.cend(),
                                        [](const QString &t) { return t.startsWith(u's'); });
    if (!hasSeconds) {
        for (qsizetype i = 0; i < tokens.size(); ++i) {
            if (tokens.at(i).startsWith(u'm')) {
                tokens.insert(i + 1, QStringLiteral(":ss"));
                break;
            }
        }
    }
    return tokens.join(QString()).trimmed();
}

} // namespace veltrano
