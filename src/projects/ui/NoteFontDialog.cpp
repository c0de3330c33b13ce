#include "projects/ui/NoteFontDialog.h"

#include "common/ui/Hints.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace veltrano {
namespace {

enum StyleBits { Italic = 1, Bold = 2 };

struct NamedColour {
    const char *name;
    QRgb rgb;
};

// The sixteen colours a Windows font dialog offers, under its names.
constexpr NamedColour kColours[] = {
    {"Black", 0x000000},  {"Maroon", 0x800000}, {"Green", 0x008000}, {"Olive", 0x808000},
    {"Navy", 0x000080},   {"Purple", 0x800080}, {"Teal", 0x008080},  {"Gray", 0x808080},
    {"Silver", 0xC0C0C0}, {"Red", 0xFF0000},    {"Lime", 0x00FF00},  {"Yellow", 0xFFFF00},
    {"Blue", 0x0000FF},   {"Fuchsia", 0xFF00FF}, {"Aqua", 0x00FFFF}, {"White", 0xFFFFFF}};

constexpr int kSizes[] = {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};

constexpr QSize kSwatchSize(24, 12);

// Drawn for the sharpest screen, so it stays crisp at any scale.
QIcon swatch(const QColor &colour)
{
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap picture(kSwatchSize * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(colour);
    QPainter frame(&picture);
    frame.setPen(Qt::darkGray);
    frame.drawRect(QRectF(QPointF(0.5, 0.5), QSizeF(kSwatchSize) - QSizeF(1, 1)));
    return QIcon(picture);
}

QString sizeText(qreal points)
{
    return QString::number(points, 'g', 4);
}

} // namespace

NoteFontDialog::NoteFontDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FontDialog"));
    setWindowTitle(QStringLiteral("Font"));
    createControls();
}

void NoteFontDialog::createControls()
{
    m_family = named(new QComboBox(this), "ComboBoxFont");
    m_family->setEditable(true);
    m_family->setInsertPolicy(QComboBox::NoInsert);
    m_family->addItems(QFontDatabase::families());
    m_family->setMinimumContentsLength(18);

    m_style = named(new QComboBox(this), "ComboBoxStyle");
    m_style->addItem(QStringLiteral("Regular"), 0);
    m_style->addItem(QStringLiteral("Italic"), Italic);
    m_style->addItem(QStringLiteral("Bold"), Bold);
    m_style->addItem(QStringLiteral("Bold Italic"), Bold | Italic);

    m_size = named(new QComboBox(this), "ComboBoxSize");
    m_size->setEditable(true);
    m_size->setInsertPolicy(QComboBox::NoInsert);
    for (const int size : kSizes)
        m_size->addItem(QString::number(size));
    m_size->setMinimumContentsLength(4);
    m_size->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{1,4}([.,]\\d)?")), m_size));

    m_strikeOut = named(new QCheckBox(QStringLiteral("Stri&keout"), this), "CheckBoxStrikeout");
    m_underline = named(new QCheckBox(QStringLiteral("&Underline"), this), "CheckBoxUnderline");
    m_colour = named(new QComboBox(this), "ComboBoxColor");
    m_colour->setIconSize(kSwatchSize);
    for (const NamedColour &entry : kColours)
        m_colour->addItem(swatch(QColor(entry.rgb)), QString::fromLatin1(entry.name), QColor(entry.rgb));

    auto *effects = new QGroupBox(QStringLiteral("Effects"), this);
    auto *effectsLayout = new QVBoxLayout(effects);
    effectsLayout->addWidget(m_strikeOut);
    effectsLayout->addWidget(m_underline);
    auto *colourLabel = new QLabel(QStringLiteral("&Color:"), effects);
    colourLabel->setBuddy(m_colour);
    effectsLayout->addWidget(colourLabel);
    effectsLayout->addWidget(m_colour);

    auto *sampleBox = new QGroupBox(QStringLiteral("Sample"), this);
    auto *sampleLayout = new QVBoxLayout(sampleBox);
    m_sample = named(new QLabel(QStringLiteral("AaBbYyZz"), sampleBox), "LabelSample");
    m_sample->setTextFormat(Qt::PlainText);
    m_sample->setAlignment(Qt::AlignCenter);
    m_sample->setMinimumHeight(48);
    sampleLayout->addWidget(m_sample);

    auto *grid = new QGridLayout;
    const auto column = [this, grid](int at, const QString &caption, QComboBox *box) {
        auto *label = new QLabel(caption, this);
        label->setBuddy(box);
        grid->addWidget(label, 0, at);
        grid->addWidget(box, 1, at);
    };
    column(0, QStringLiteral("&Font:"), m_family);
    column(1, QStringLiteral("Font st&yle:"), m_style);
    column(2, QStringLiteral("&Size:"), m_size);
    grid->addWidget(effects, 2, 0, Qt::AlignTop);
    grid->addWidget(sampleBox, 2, 1, 1, 2);
    grid->setColumnStretch(0, 1);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("ButtonOK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("ButtonCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    for (QComboBox *box : {m_family, m_style, m_size, m_colour})
        connect(box, &QComboBox::currentTextChanged, this, &NoteFontDialog::showSample);
    for (QCheckBox *box : {m_strikeOut, m_underline})
        connect(box, &QCheckBox::toggled, this, &NoteFontDialog::showSample);
}

int NoteFontDialog::colourEntry(const QColor &colour)
{
    const int found = m_colour->findData(colour);
    if (found >= 0)
        return found;
    // One custom entry at the end, replaced by the next custom colour.
    if (m_colour->count() > int(std::size(kColours)))
        m_colour->removeItem(m_colour->count() - 1);
    m_colour->addItem(swatch(colour), QStringLiteral("Custom"), colour);
    return m_colour->count() - 1;
}

void NoteFontDialog::setChoice(const QFont &font, const QColor &colour)
{
    m_family->setEditText(font.family());
    const int at = m_family->findText(font.family(), Qt::MatchFixedString);
    if (at >= 0)
        m_family->setCurrentIndex(at);
    m_style->setCurrentIndex(m_style->findData((font.bold() ? Bold : 0) | (font.italic() ? Italic : 0)));
    m_size->setEditText(sizeText(font.pointSizeF() > 0 ? font.pointSizeF() : 10));
    m_strikeOut->setChecked(font.strikeOut());
    m_underline->setChecked(font.underline());
    m_colour->setCurrentIndex(colourEntry(colour.isValid() ? colour : QColor(Qt::black)));
    showSample();
}

QFont NoteFontDialog::chosenFont() const
{
    QFont font(m_family->currentText().trimmed());
    bool ok = false;
    const qreal size = QString(m_size->currentText()).replace(u',', u'.').toDouble(&ok);
    font.setPointSizeF(ok && size >= 1 ? size : 10);
    const int style = m_style->currentData().toInt();
    font.setBold(style & Bold);
    font.setItalic(style & Italic);
    font.setStrikeOut(m_strikeOut->isChecked());
    font.setUnderline(m_underline->isChecked());
    return font;
}

QColor NoteFontDialog::chosenColour() const
{
    return m_colour->currentData().value<QColor>();
}

void NoteFontDialog::showSample()
{
    m_sample->setFont(chosenFont());
    QPalette palette = m_sample->palette();
    palette.setColor(QPalette::WindowText, chosenColour());
    m_sample->setPalette(palette);
}

} // namespace veltrano
