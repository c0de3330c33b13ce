#include "app/ui/AboutBanner.h"

#include "app/ui/AboutDialog.h"
#include "common/ui/AppPictures.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>

namespace veltrano {
namespace {

constexpr int kIconSize = 132;

} // namespace

AboutBanner::AboutBanner(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ImageBanner"));
    setFixedSize(kAboutBannerSize);
    auto *build = new QLabel(QString::fromUtf16(kAboutBuild), this);
    build->setObjectName(QStringLiteral("LabelBuild"));
    QPalette white = build->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    build->setPalette(white);
    QFont font = build->font();
    font.setPixelSize(13);
    font.setBold(true);
    build->setFont(font);
    build->adjustSize();
    build->move(24, height() - build->height() - 14);
}

void AboutBanner::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient ground(0, 0, width(), height());
    ground.setColorAt(0, QColor(0x2f, 0x4f, 0x8f));
    ground.setColorAt(1, QColor(0x1b, 0x8c, 0x8c));
    painter.fillRect(rect(), ground);

    // Soft rings behind the picture, echoing the clock face.
    painter.setPen(Qt::NoPen);
    const QPointF centre(width() - 120, height() / 2.0);
    for (int ring = 3; ring >= 1; --ring) {
        painter.setBrush(QColor(255, 255, 255, 18 + 8 * (3 - ring)));
        painter.drawEllipse(centre, 60.0 + ring * 34, 60.0 + ring * 34);
    }
    const QImage icon = applicationIconImage(kIconSize);
    painter.drawImage(QPointF(centre.x() - kIconSize / 2.0, centre.y() - kIconSize / 2.0), icon);

    QFont title = font();
    title.setPixelSize(40);
    title.setBold(true);
    painter.setFont(title);
    painter.setPen(Qt::white);
    painter.drawText(QPointF(24, 78), QStringLiteral("Veltrano"));
    QFont tagline = font();
    tagline.setPixelSize(15);
    painter.setFont(tagline);
    painter.setPen(QColor(255, 255, 255, 210));
    painter.drawText(QPointF(26, 106), QStringLiteral("Projects, to-do list, timeline and alarm clock"));
}

} // namespace veltrano
