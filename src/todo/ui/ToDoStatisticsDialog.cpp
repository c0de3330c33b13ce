#include "todo/ui/ToDoStatisticsDialog.h"

#include "common/ui/DialogKeys.h"
#include "common/ui/Hints.h"
#include "todo/logic/ToDoStatistics.h"

#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QToolButton>

namespace veltrano {

// The chart area; it paints through the dialog, which knows the counts.
class ToDoChartBox final : public QWidget {
public:
    ToDoChartBox(ToDoStatisticsDialog &dialog, QWidget *parent) : QWidget(parent), m_dialog(dialog) {}

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        m_dialog.paintChart(painter);
    }

private:
    ToDoStatisticsDialog &m_dialog;
};

namespace {

constexpr QRect kGroupRect{12, 8, 237, 277};
constexpr QRect kPaintBoxRect{38, 112, 174, 144};
constexpr QRect kCloserRect{89, 291, 80, 24};
constexpr int kCaptionX = 30;
constexpr int kValueX = 148;
constexpr int kRows[] = {30, 49, 69};
// Chart coordinates.
constexpr QRect kChartFrame{0, 0, 161, 134};
constexpr int kGridStep = 20;
constexpr int kGridLines = 8;
const QColor kAxisGrey(128, 128, 128);

// The legend squares and bars share the system's hot-light colour: the one
// hot-tracked items and links are drawn in.
QColor hotLight(const QWidget &widget)
{
    return widget.palette().color(QPalette::Link);
}

QWidget *square(QWidget *parent, const char *name, const QRect &rect, const QColor &colour)
{
    auto *shape = named(new QFrame(parent), name);
    shape->setGeometry(rect);
    shape->setAutoFillBackground(true);
    QPalette fill = shape->palette();
    fill.setColor(QPalette::Window, colour);
    shape->setPalette(fill);
    return shape;
}

// A rectangle with its outline in the pen's colour and its inside filled:
// right and bottom edges excluded, as the chart's coordinates are meant.
void drawBox(QPainter &painter, const QRect &box, const QColor &outline, const QColor &fill)
{
    if (box.isEmpty())
        return;
    painter.fillRect(box, fill);
    painter.setPen(QPen(outline, 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box.adjusted(0, 0, -1, -1));
}

} // namespace

ToDoStatisticsDialog::ToDoStatisticsDialog(const ToDoCounts &counts)
    : SmallDialog("frmToDoStatistica", QString::fromUtf16(kStatisticsCaption), kStatisticsClientSize),
      m_counts(counts)
{
    // Laid out in pixels: the chart's coordinates do not follow the font.
    QFont fixed = font();
    fixed.setPixelSize(11);
    setFont(fixed);
    createControls();
}

void ToDoStatisticsDialog::createControls()
{
    auto *group = named(new QGroupBox(QStringLiteral("Main To-Do List:"), this), "GroupBox1");
    group->setGeometry(kGroupRect);
    const auto label = [group](const char *name, const QString &text, int x, int y) {
        auto *l = named(new QLabel(text, group), name);
        l->move(x, y);
        l->setMinimumWidth(60);
        return l;
    };
    label("Label1", QStringLiteral("ITEMS:"), kCaptionX, kRows[0]);
    label("Label2", QStringLiteral("TODO:"), kCaptionX, kRows[1]);
    label("Label3", QStringLiteral("DONE:"), kCaptionX, kRows[2]);
    m_total = label("Label4", QStringLiteral("0"), kValueX, kRows[0]);
    m_open = label("Label5", QStringLiteral("0"), kValueX, kRows[1]);
    m_done = label("Label6", QStringLiteral("0"), kValueX, kRows[2]);
    auto *line = named(new QFrame(group), "Bevel1");
    line->setFrameStyle(QFrame::VLine | QFrame::Sunken);
    line->setGeometry(110, 30, 2, 55);

    m_openSquare = square(group, "Shape1", QRect(186, 46, 18, 18), Qt::red);
    m_openSquare->setAccessibleName(QStringLiteral("Open items"));
    m_doneSquare = square(group, "Shape2", QRect(186, 70, 18, 19), hotLight(*this));
    m_doneSquare->setAccessibleName(QStringLiteral("Done items"));
    m_paintBox = named(new ToDoChartBox(*this, group), "PaintBox");
    m_paintBox->setGeometry(kPaintBoxRect);
    m_paintBox->setAccessibleName(QStringLiteral("Done and open items chart"));

    auto *closer = named(new QToolButton(this), "Closer");
    closer->setText(QStringLiteral("Ok"));
    closer->setGeometry(kCloserRect);
    connect(closer, &QToolButton::clicked, this, &ToDoStatisticsDialog::closeDialog);
    showCounts();
}

void ToDoStatisticsDialog::setCounts(const ToDoCounts &counts)
{
    m_counts = counts;
    showCounts();
}

void ToDoStatisticsDialog::showCounts()
{
    m_total->setText(QString::number(m_counts.total));
    m_open->setText(QString::number(m_counts.open));
    m_done->setText(QString::number(m_counts.done));
    m_paintBox->update();
}

void ToDoStatisticsDialog::paintChart(QPainter &painter)
{
    const ToDoChart chart(m_counts);
    m_paintBox->setToolTip(chart.chartHint());
    if (chart.isEmpty())
        return;
    m_total->setToolTip(ToDoChart::totalHint());
    m_open->setToolTip(chart.openHint());
    m_openSquare->setToolTip(chart.openHint());
    m_done->setToolTip(chart.doneHint());
    m_doneSquare->setToolTip(chart.doneHint());

    const QColor highlight = palette().color(QPalette::Highlight);
    drawBox(painter, kChartFrame, highlight, Qt::white);

    painter.setPen(QPen(highlight, 0, Qt::DotLine));
    for (int k = 0; k < kGridLines; ++k)
        painter.drawLine(0, kGridStep * k, kChartFrame.width() - 1, kGridStep * k);

    painter.setPen(QPen(kAxisGrey, 0));
    painter.drawLine(10, 10, 12, 17);
    painter.drawLine(10, 10, 8, 17);
    painter.drawLine(10, 10, 10, 123);
    painter.drawLine(10, 124, 150, 124);
    painter.drawLine(151, 124, 146, 122);
    painter.drawLine(151, 124, 146, 126);

    const QColor hot = hotLight(*this);
    drawBox(painter, chart.doneBar(), hot, hot);
    drawBox(painter, chart.openBar(), Qt::red, Qt::red);
}

void ToDoStatisticsDialog::closeDialog()
{
    accept();
}

void ToDoStatisticsDialog::keyPressEvent(QKeyEvent *event)
{
    const auto close = [this] { closeDialog(); };
    if (!AnswerEnterOrEscape(*event, close, close))
        QDialog::keyPressEvent(event);
}

} // namespace veltrano
