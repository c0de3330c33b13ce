#include "common/ui/AppPictures.h"

#include <QFile>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>
#include <array>

// Resources of a static library need an explicit start.
static void initAppIcons()
{
    Q_INIT_RESOURCE(app_icons);
}

namespace veltrano {
namespace {

// Renders the SVG at whatever size and pixel ratio is asked for, so tool bar
// pictures stay crisp on high-density screens; disabled pictures are faded.
class SvgIconEngine final : public QIconEngine {
public:
    explicit SvgIconEngine(QByteArray svg) : m_svg(std::move(svg)) {}
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State) override
    {
        QSvgRenderer renderer(m_svg);
        painter->save();
        if (mode == QIcon::Disabled)
            painter->setOpacity(painter->opacity() * 0.4);
        renderer.render(painter, QRectF(rect));
        painter->restore();
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        QPixmap pixmap(size * scale);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(), pixmap.size()), mode, state);
        painter.end();
        pixmap.setDevicePixelRatio(scale);
        return pixmap;
    }
    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override { return size; }
    QIconEngine *clone() const override { return new SvgIconEngine(m_svg); }
    QString key() const override { return QStringLiteral("veltrano-svg"); }

private:
    QByteArray m_svg;
};

QByteArray readPicture(const QString &name)
{
    static const bool initialised = (initAppIcons(), true);
    Q_UNUSED(initialised);
    QFile file(QStringLiteral(":/app/icons/") + name + QStringLiteral(".svg"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

QIcon appPicture(const QString &name)
{
    return QIcon(new SvgIconEngine(readPicture(name)));
}

QIcon smallPicture(SmallPicture picture)
{
    static const std::array<const char16_t *, kSmallPictureCount> names{
        u"todo", u"timeline", u"clock", u"options", u"notepad", u"calculator",
        u"flash", u"cdopen", u"cdclose", u"hide", u"exit"};
    return appPicture(QString::fromUtf16(names[static_cast<size_t>(picture)]));
}

QIcon notePadPicture(NotePadPicture picture)
{
    static const std::array<const char16_t *, kNotePadPictureCount> names{
        u"newsub", u"delsub", u"cut", u"copy", u"paste", u"undo", u"print", u"clear", u"datetime", u"font"};
    return appPicture(QString::fromUtf16(names[static_cast<size_t>(picture)]));
}

QIcon levelPicture(int level)
{
    // Root first, then deeper levels in ever cooler colours: fill and outline.
    static const std::array<std::array<const char *, 2>, kLevelPictureCount> colours{{
        {"#f6ad55", "#9c4221"}, {"#f6e05e", "#975a16"}, {"#9ae6b4", "#276749"}, {"#90cdf4", "#2c5282"},
        {"#b794f4", "#553c9a"}, {"#fbb6ce", "#97266d"}, {"#cbd5e0", "#4a5568"}}};
    const auto &pair = colours[static_cast<size_t>(qBound(0, level, kLevelPictureCount - 1))];
    QByteArray svg = readPicture(QStringLiteral("level"));
    svg.replace("@FILL@", pair[0]).replace("@LINE@", pair[1]);
    return QIcon(new SvgIconEngine(svg));
}

} // namespace veltrano
