#pragma once
#include <QByteArray>
#include <QtGlobal>

namespace veltrano::test {

// Every test process runs with the same locale and, for windows, the offscreen
// platform, whatever the caller's environment says. Set in main(), before Qt
// reads either.
inline void useTestEnvironment()
{
    qputenv("LC_ALL", QByteArrayLiteral("C.UTF-8"));
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
}

} // namespace veltrano::test
