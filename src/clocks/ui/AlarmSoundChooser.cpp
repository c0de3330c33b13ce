#include "clocks/ui/AlarmSoundChooser.h"

#include "common/ui/ModalDialogs.h"

#include <QFileDialog>
#include <QFileInfo>

namespace veltrano {

std::optional<QString> ChooseAlarmSound(ModalDialogs &dialogs, QWidget *parent)
{
    QFileDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("OpenDialogSound"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    // Sounds carried over from Windows often have upper-case extensions,
    // which a Linux file system tells apart.
    dialog.setNameFilter(QString::fromUtf16(kSoundFileFilter));
    if (dialogs.exec(dialog) != QDialog::Accepted)
        return std::nullopt;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty())
        return std::nullopt;
    return QFileInfo(chosen.first()).absoluteFilePath();
}

} // namespace veltrano
