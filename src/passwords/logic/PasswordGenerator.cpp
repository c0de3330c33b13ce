#include "passwords/logic/PasswordGenerator.h"

namespace veltrano {

QString GuidText(const QUuid &guid)
{
    if (guid.isNull())
        return {};
    return guid.toString(QUuid::WithBraces).toUpper();
}

QString GeneratePasswordText(const std::function<QUuid()> &source)
{
    const QString text = GuidText(source());
    return text.isEmpty() ? QString::fromUtf16(kPasswordFailedText) : text;
}

} // namespace veltrano
