#pragma once
#include <QColor>
#include <QHash>
#include <QList>
#include <QString>
#include <QTextOption>

class QTextBlockFormat;
class QTextCharFormat;

namespace veltrano::rtf {

// One twip is 1/1440 inch; the document works in pixels at 96 dpi.
constexpr double kTwipsPerPixel = 15.0;

struct FontEntry {
    QString name;
    int codePage = 0; // 0: the file's \ansicpg
};

// Character properties as the RTF control words set them.
struct CharProps {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool hidden = false;
    int vertical = 0;   // -1 subscript, 1 superscript
    int font = -1;      // index into the font table; -1: none given
    int halfPoints = 0; // 0: none given
    int foreground = 0; // index into the colour table; 0: automatic
    int background = 0;
    bool operator==(const CharProps &) const = default;
};

// Paragraph properties; lengths in twips.
struct ParaProps {
    Qt::Alignment alignment = Qt::AlignLeft;
    int leftIndent = 0;
    int rightIndent = 0;
    int firstLineIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
    int lineSpacing = 0; // \sl: 0 single, > 0 at least, < 0 exactly
    bool lineMultiple = false;
    QList<QTextOption::Tab> tabs;
    QTextOption::TabType nextTabType = QTextOption::LeftTab;
};

// The tables that turn indexes into fonts and colours.
struct DocumentTables {
    QHash<int, FontEntry> fonts;
    QList<QColor> colours; // index 0 is "automatic" (invalid colour)
    int defaultCodePage = 1252;
};

QTextCharFormat toCharFormat(const CharProps &props, const DocumentTables &tables);
QTextBlockFormat toBlockFormat(const ParaProps &props);

} // namespace veltrano::rtf
