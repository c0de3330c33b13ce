#pragma once
#include <QLabel>

namespace veltrano {

// A one-line label for a path of any length: what does not fit is left out
// in the middle ("Projects Group\...\Design\"), so a long path never widens
// the window, and the whole text stays the label's text, read out in full by
// screen readers and shown by the hint where the owner sets one.
class ElidedLabel final : public QLabel {
    Q_OBJECT
public:
    explicit ElidedLabel(const QString &text, QWidget *parent = nullptr);
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
};

// `text` as a tool tip that shows it as written: Qt takes a tip that looks
// like markup (a folder someone named "<b>x") for rich text.
QString PlainToolTip(const QString &text);

} // namespace veltrano
