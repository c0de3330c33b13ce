#include "app/ui/DataModuleImg.h"

#include "app/logic/DayPictures.h"
#include "common/ui/AppPictures.h"
#include "projects/logic/ProjectTree.h"
#include "projects/ui/ProjectPictures.h"

namespace veltrano {
namespace {

template <typename Draw> const QList<QIcon> &drawnOnce(QList<QIcon> &list, int count, Draw draw)
{
    if (list.isEmpty()) {
        for (int i = 0; i < count; ++i)
            list.append(draw(i));
    }
    return list;
}

} // namespace

TDataModuleImg::TDataModuleImg(QObject *parent) : QObject(parent)
{
    setObjectName(QStringLiteral("DataModuleImg"));
}

const QList<QIcon> &TDataModuleImg::ImageListSmall() const
{
    return drawnOnce(m_small, kSmallPictureCount, [](int i) { return smallPicture(static_cast<SmallPicture>(i)); });
}

const QList<QIcon> &TDataModuleImg::ImageListNotePad() const
{
    return drawnOnce(m_notePad, kNotePadPictureCount,
                     [](int i) { return notePadPicture(static_cast<NotePadPicture>(i)); });
}

const QList<QIcon> &TDataModuleImg::ImageListLevels() const
{
    return drawnOnce(m_levels, kLevelPictureCount, levelPicture);
}

const QList<QIcon> &TDataModuleImg::ImageListDays() const
{
    if (m_days.isEmpty())
        m_days = makeDayPictures();
    return m_days;
}

} // namespace veltrano
