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
inline constexpr int kLevelPictureCount = 7;

// One of the program's own SVG pictures (icons/<name>.svg), sharp at any size.
QIcon appPicture(const QString &name);
QIcon smallPicture(SmallPicture picture);
QIcon notePadPicture(NotePadPicture picture);
// A folder whose colour tells the tree level (0 to 6).
QIcon levelPicture(int level);

} // namespace veltrano
