#include "clocks/ui/AlarmSoundChooser.h"

#include "common/ui/ModalDialogs.h"

#include <QFileDialog>
#include <QFileInfo>

namespace veltrano {

void ChooseAlarmSound(ModalDialogs &dialogs, QWidget *parent, std::function<void(const QString &path)> chosen)
{
    auto *dialog = new QFileDialog(parent);
    dialog->setObjectName(QStringLiteral("OpenDialogSound"));
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    // Sounds carried over from Windows often have upper-case extensions,
    // which a Linux file system tells apart.
    dialog->setNameFilter(QString::fromUtf16(kSoundFileFilter));
    dialogs.open(*dialog, [dialog, chosen = std::move(chosen)](int result) {
        const QStringList files = dialog->selectedFiles();
        if (result == QDialog::Accepted && !files.isEmpty())
            chosen(QFileInfo(files.first()).absoluteFilePath());
        dialog->deleteLater();
    });
}

} // namespace veltrano
