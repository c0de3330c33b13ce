#pragma once
#include <QWidget>

namespace veltrano {

// The picture across the top of the About box, with the build label on it.
class AboutBanner final : public QWidget {
    Q_OBJECT
public:
    explicit AboutBanner(QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace veltrano
