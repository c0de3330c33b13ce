#include "app/DataModuleImg.h"

#include "app/AppPictures.h"
#if __has_include("app/DayPictures.h")
#include "app/DayPictures.h"
#define VELTRANO_HAVE_DAY_PICTURES 1
#endif

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
#ifdef VELTRANO_HAVE_DAY_PICTURES
    ImageListDays = makeDayPictures();
#else
    ImageListDays = QList<QIcon>(32);
#endif
}

} // namespace veltrano
