#pragma once
// The pictures the desk clock stacks in its panel.
#include <QFrame>
#include <QImage>
#include <QWidget>

namespace veltrano {

// `PanelClock`: a lowered panel that paints every pixel of itself, so the
// window below it is never painted when the hands move.
class ClockPanel final : public QFrame {
    Q_OBJECT
public:
    explicit ClockPanel(QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};

// One layer of the clock: a picture, drawn for the screen's pixel density,
// whose transparent pixels let what lies below show through.
class ClockLayer final : public QWidget {
    Q_OBJECT
public:
    ClockLayer(const char *name, const QString &accessibleName, QWidget *parent);
    // Takes `picture` (the layer's logical size); only `changed` (logical
    // pixels) is repainted.
    void setPicture(const QImage &picture, const QRect &changed);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_shown;
};

// The four corner ornaments: `Image2` (57 x 48, top left), `Image3` (18 x 48,
// top right), `Image4` and `Image5` (16 x 17, bottom left and right). They lie
// above the layers, in the corners the round dial leaves free.
void AddClockCorners(QWidget &panel);

} // namespace veltrano
