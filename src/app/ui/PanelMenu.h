#pragma once
#include <QFrame>
#include <QList>

class QLabel;

namespace veltrano {

class PanelMenuState;
struct PanelItem;

// The painted paint box under the panel menu's items: background, then the
// frame of the selected item, then the frame of the hovered item.
class PanelMenuPaintBox : public QWidget {
    Q_OBJECT
public:
    explicit PanelMenuPaintBox(QWidget *parent);
    void setState(const PanelMenuState *state) { m_state = state; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const PanelMenuState *m_state = nullptr;
};

// The left panel `PanelMenu`: a picture-and-caption item per page (the page
// table) over the paint box, and the strips that clear the hover frame.
class PanelMenu : public QFrame {
    Q_OBJECT
public:
    explicit PanelMenu(QWidget *parent);

    // The state belongs to the main window; null while it does not exist.
    void setState(PanelMenuState *state);
    PanelMenuPaintBox *paintBox() const { return m_paintBox; }
    void repaintMenu();

signals:
    // A click on item 1 to 7 (picture or caption).
    void itemClicked(unsigned item);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void addItem(unsigned item, const PanelItem &look);
    void drawPicture(QLabel *image);
    QWidget *addCatcher(const char *name, const QRect &geometry);
    void setHovered(unsigned item);

    PanelMenuState *m_state = nullptr;
    PanelMenuPaintBox *m_paintBox = nullptr;
    QList<QWidget *> m_catchers;
};

} // namespace veltrano
