#pragma once
#include <QString>

namespace veltrano {

// A locale's long time format made fit for the program's clocks: the time-zone
// field dropped, and seconds added after the minutes when the format has none.
QString longTimeFormatWithoutZone(const QString &format);

} // namespace veltrano
