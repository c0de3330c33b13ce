#pragma once
#include <QColor>
#include <QIcon>
#include <QImage>
#include <QList>
#include <QString>

namespace veltrano {

// Indexes into ImageListSmall.
enum class SmallPicture { ToDo, Timeline, Clock, Options, NotePad, Calculator, Flash, OpenCD, CloseCD, Hide, Exit };
inline constexpr int kSmallPictureCount = 11;
// Indexes into ImageListNotePad; the note tool bar relies on 2 to 9.
enum class NotePadPicture { NewStructure, DeleteStructure, Cut, Copy, Paste, Undo, Print, Clear, DateTime, Font };
inline constexpr int kNotePadPictureCount = 10;

// One of the program's own pictures (resources/icons/<name>.svg), from the
// PNGs the build drew of it at the sizes the windows use; other sizes are
// scaled from the nearest larger one.
QIcon appPicture(const QString &name);
QIcon smallPicture(SmallPicture picture);
QIcon notePadPicture(NotePadPicture picture);
// A picture drawn in two colours of the caller's, its @FILL@ and @LINE@.
QIcon twoTonePicture(const QString &name, const QColor &fill, const QColor &line);
// The program's own icon (resources/art/veltrano.svg), for windows and tray.
QIcon applicationIcon();
// The same, `size` pixels square on a transparent ground.
QImage applicationIconImage(int size);

} // namespace veltrano
