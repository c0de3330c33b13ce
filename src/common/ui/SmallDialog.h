#pragma once
#include <QDialog>

class QIcon;
class QLabel;
class QPushButton;

namespace veltrano {

// A small dialog of ours: its name and caption, a fixed client size, a title
// bar without maximise or resize, centred on the desktop every time it opens
// or only the first time (later it opens where the user left it). It always
// opens whole on a screen, smaller than designed on a screen too small for it.
class SmallDialog : public QDialog {
    Q_OBJECT
public:
    enum class Centred { EveryTime, FirstTime };

protected:
    SmallDialog(const char *name, const QString &caption, QSize clientSize, Centred centred = Centred::EveryTime);

    // A picture at `at` (its accessible name is the caption), drawn at the
    // screen's pixel ratio.
    QLabel *addPicture(const QIcon &picture, const QRect &at, int pictureSize);
    QPushButton *addButton(const char *name, const QString &caption, const QRect &at);

    void showEvent(QShowEvent *event) override;
    void moveEvent(QMoveEvent *event) override;

private:
    void fitOnScreen();

    QSize m_clientSize;
    Centred m_centred;
    bool m_placed = false;
    QSize m_fittedFrame; // what the frame added when the dialog was last fitted
};

} // namespace veltrano
