#pragma once
#include <QIcon>
#include <QList>
#include <QString>

namespace veltrano {

// Indexes into ImageListSmall.
enum class SmallPicture { ToDo, Timeline, Clock, Options, NotePad, Calculator, Flash, OpenCD, CloseCD, Hide, Exit };
inline constexpr int kSmallPictureCount = 11;
// Indexes into ImageListNotePad; the note tool bar relies on 2 to 9.
enum class NotePadPicture { NewStructure, DeleteStructure, Cut, Copy, Paste, Undo, Print, Clear, DateTime, Font };
inline constexpr int kNotePadPictureCount = 10;

// One of the program's own SVG pictures (icons/<name>.svg), sharp at any size.
QIcon appPicture(const QString &name);
QIcon smallPicture(SmallPicture picture);
QIcon notePadPicture(NotePadPicture picture);
// The SVG text of one of those pictures, for a caller that recolours it.
QByteArray appPictureSource(const QString &name);
// A picture drawn from SVG text.
QIcon svgPicture(const QByteArray &svg);

} // namespace veltrano
