#pragma once
#include <QList>
#include <QWidget>
#include <optional>

class QToolButton;

namespace veltrano {

// The bar of flat buttons above the project tree, `PanelWorklistHeader`. The
// worklist may be narrower than the buttons with pictures and captions (a
// small main window, a dragged splitter): they then drop their pictures, and
// where even the captions do not fit, show their pictures only, with the
// captions as hint and accessible name, rather than captions cut to
// "Del......".
class WorklistHeader final : public QWidget {
    Q_OBJECT
public:
    explicit WorklistHeader(QWidget *parent = nullptr);

    QToolButton *addButton(const char *name, const QString &caption, const QIcon &icon);
    Qt::ToolButtonStyle buttonStyle() const { return m_style; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // The width all buttons take in each style, the widest first.
    struct Widths {
        int picturesAndCaptions = 0;
        int captionsOnly = 0;
        int picturesOnly = 0;
        int height = 0;
    };
    const Widths &widths() const;
    void placeButtons();

    QList<QToolButton *> m_buttons;
    mutable std::optional<Widths> m_widths; // measured when first needed, again after a font change
    Qt::ToolButtonStyle m_style = Qt::ToolButtonTextBesideIcon;
};

} // namespace veltrano
