#pragma once
// The file-open dialog that picks the alarm's sound.
#include <QString>
#include <functional>

class QWidget;

namespace veltrano {

class ModalDialogs;

inline constexpr auto kSoundFileFilter = u"mid, wav, avi, mp3 (*.mid *.wav *.avi *.mp3 *.MID *.WAV *.AVI *.MP3)";

// Opens `OpenDialogSound` through `dialogs` and returns; `chosen` gets the
// full path of the file picked (it is not called on cancel).
void ChooseAlarmSound(ModalDialogs &dialogs, QWidget *parent, std::function<void(const QString &path)> chosen);

} // namespace veltrano
