#pragma once
#include <QFrame>
#include <QList>

class QLabel;

namespace veltrano {

class TPanelMenuRender;
struct PanelItem;

// The painted paint box under the panel menu's items: background, then the
// frame of the selected item, then the frame of the hovered item.
class TPaintBoxMenu : public QWidget {
    Q_OBJECT
public:
    explicit TPaintBoxMenu(QWidget *parent);
    void setState(const TPanelMenuRender *state) { m_state = state; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const TPanelMenuRender *m_state = nullptr;
};

// The left panel `PanelMenu`: a picture-and-caption item per page (the page
// table) over the paint box, and the strips that clear the hover frame.
class TPanelMenu : public QFrame {
    Q_OBJECT
public:
    explicit TPanelMenu(QWidget *parent);

    // The state belongs to the main window; null while it does not exist.
    void setState(TPanelMenuRender *state);
    TPaintBoxMenu *paintBox() const { return m_paintBox; }
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

    TPanelMenuRender *m_state = nullptr;
    TPaintBoxMenu *m_paintBox = nullptr;
    QList<QWidget *> m_catchers;
};

} // namespace veltrano
