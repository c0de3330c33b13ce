#pragma once
// Passwords drawn as fresh GUIDs: 122 random bits from the system's
// cryptographically secure source, in the familiar 38-character form.
#include <QString>
#include <QUuid>
#include <functional>

namespace veltrano {

inline constexpr auto kPasswordFailedText = u"Sorry, system can not do this operation";

// "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}", upper case; empty for the null GUID.
QString GuidText(const QUuid &guid);

// A new value for the generator's edit, or the failure text when `source`
// yields no GUID.
QString GeneratePasswordText(const std::function<QUuid()> &source = &QUuid::createUuid);

} // namespace veltrano
