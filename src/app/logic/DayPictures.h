#pragma once
#include <QIcon>
#include <QImage>
#include <QList>

namespace veltrano {

// The tray's day-of-month pictures (ImageListDays): index d shows day d,
// index 0 a blank page for "no day yet".
inline constexpr int kDayPictureCount = 32;
inline constexpr int kDayPictureSizes[] = {16, 22, 32, 48, 64};

// A small calendar page `size` pixels square with the day number on it.
QImage DrawDayPicture(int day, int size);
// The picture of `day`, drawn at any size when first shown (kDayPictureSizes
// are the sizes it offers); an index outside 0..31 gives the blank page.
QIcon DayIcon(int day);
// ImageListDays: DayIcon(0) to DayIcon(31).
QList<QIcon> makeDayPictures();

} // namespace veltrano
