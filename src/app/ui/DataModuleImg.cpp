#include "app/ui/DataModuleImg.h"

#include "common/ui/AppPictures.h"
#include "app/logic/DayPictures.h"

namespace veltrano {

TDataModuleImg::TDataModuleImg(QObject *parent) : QObject(parent)
{
    setObjectName(QStringLiteral("DataModuleImg"));
    for (int i = 0; i < kSmallPictureCount; ++i)
        ImageListSmall.append(smallPicture(static_cast<SmallPicture>(i)));
    for (int i = 0; i < kNotePadPictureCount; ++i)
        ImageListNotePad.append(notePadPicture(static_cast<NotePadPicture>(i)));
    for (int level = 0; level < kLevelPictureCount; ++level)
        ImageListLevels.append(levelPicture(level));
    ImageListDays = makeDayPictures();
}

} // namespace veltrano
