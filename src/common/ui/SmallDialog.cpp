#include "common/ui/SmallDialog.h"

#include "common/ui/Hints.h"
#include "common/ui/WindowGeometry.h"

#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

namespace veltrano {

SmallDialog::SmallDialog(const char *name, const QString &caption, QSize clientSize, Centred centred)
    : QDialog(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                           | Qt::WindowCloseButtonHint),
      m_clientSize(clientSize), m_centred(centred)
{
    setObjectName(QLatin1String(name));
    setWindowTitle(caption);
    setAccessibleName(caption);
    setFixedSize(clientSize);
}

QLabel *SmallDialog::addPicture(const QIcon &picture, const QRect &at, int pictureSize)
{
    auto *label = named(new QLabel(this), "Image1");
    label->setGeometry(at);
    label->setAlignment(Qt::AlignCenter);
    label->setAccessibleName(windowTitle());
    label->setPixmap(picture.pixmap(QSize(pictureSize, pictureSize), devicePixelRatio()));
    return label;
}

QPushButton *SmallDialog::addButton(const char *name, const QString &caption, const QRect &at)
{
    auto *button = named(new QPushButton(caption, this), name);
    button->setGeometry(at);
    return button;
}

void SmallDialog::showEvent(QShowEvent *event)
{
    if (!event->spontaneous()) {
        if (m_centred == Centred::EveryTime || !std::exchange(m_placed, true)) {
            FitWholeOnScreen(*this, m_clientSize); // centred at the size it will have
            CentreOnDesktop(*this);
        }
        fitOnScreen();
    }
    QDialog::showEvent(event);
}

// The frame the window manager adds is known only once it has framed the
// dialog, which comes after the dialog was placed: it is fitted again then.
void SmallDialog::moveEvent(QMoveEvent *event)
{
    QDialog::moveEvent(event);
    if (isVisible() && frameGeometry().size() - size() != m_fittedFrame)
        fitOnScreen();
}

void SmallDialog::fitOnScreen()
{
    m_fittedFrame = frameGeometry().size() - size();
    FitWholeOnScreen(*this, m_clientSize);
}

} // namespace veltrano
