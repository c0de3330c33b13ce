#pragma once
// The file-open dialog that picks the alarm's sound.
#include <QString>
#include <optional>

class QWidget;

namespace veltrano {

class ModalDialogs;

inline constexpr auto kSoundFileFilter = u"mid, wav, avi, mp3 (*.mid *.wav *.avi *.mp3 *.MID *.WAV *.AVI *.MP3)";

// `OpenDialogSound` run through `dialogs`: the full path of the file picked,
// nothing on cancel.
std::optional<QString> ChooseAlarmSound(ModalDialogs &dialogs, QWidget *parent);

} // namespace veltrano
