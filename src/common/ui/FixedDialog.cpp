#include "common/ui/FixedDialog.h"

#include <QGuiApplication>
#include <QScreen>

namespace veltrano {

FixedDialog::FixedDialog(const char *name, const QString &caption, QSize clientSize)
    : QDialog(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                           | Qt::WindowCloseButtonHint)
{
    setObjectName(QLatin1String(name));
    setWindowTitle(caption);
    setAccessibleName(caption);
    setFixedSize(clientSize);
}

void FixedDialog::showEvent(QShowEvent *event)
{
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), frameGeometry().size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    QDialog::showEvent(event);
}

} // namespace veltrano
