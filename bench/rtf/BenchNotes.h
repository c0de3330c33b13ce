#pragma once
#include <QTextCursor>
#include <QTextDocument>

namespace veltrano::bench {

// A note as people write them: paragraphs of Latin and Cyrillic text with a
// bold word, an italic phrase and a coloured remark now and then, grown until
// its RTF has about `bytes` bytes.
inline void fillNote(QTextDocument &doc, qsizetype bytes)
{
    using namespace Qt::StringLiterals;
    QTextCursor cursor(&doc);
    QTextCharFormat bold, italic, red;
    bold.setFontWeight(QFont::Bold);
    italic.setFontItalic(true);
    red.setForeground(QColor(200, 0, 0));
    int paragraph = 0;
    // Estimating the size as we go keeps this linear; checked once at the end.
    for (qsizetype estimate = 300; estimate < bytes; estimate += 420, ++paragraph) {
        if (paragraph > 0)
            cursor.insertBlock();
        cursor.insertText(u"%1. "_s.arg(paragraph + 1), QTextCharFormat());
        cursor.insertText(u"Meeting notes"_s, bold);
        cursor.insertText(u" about the project plan, the next steps and the open questions; "
                          u"Заметки по проекту: "_s, QTextCharFormat());
        cursor.insertText(u"срочно"_s, red);
        cursor.insertText(u" to be done before Friday, with "_s, QTextCharFormat());
        cursor.insertText(u"details in the attached list"_s, italic);
        cursor.insertText(u".\tOwner: Ivan, due 2024-05-17."_s, QTextCharFormat());
    }
}

} // namespace veltrano::bench
