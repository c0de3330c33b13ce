#pragma once
#include <QDate>
#include <QString>
#include <QTime>

namespace veltrano {

// The user's regional short date and long time, read when the text is made.
class RegionalFormats {
public:
    virtual ~RegionalFormats() = default;
    virtual QString shortDate(const QDate &date) const = 0;
    // Hours, minutes and seconds as the region writes them; never a time zone.
    virtual QString longTime(const QTime &time) const = 0;
};

} // namespace veltrano
