#pragma once
#include "common/logic/SettingsStore.h"
#include "platform/fake/FakePlatform.h"
#include "support/TempFolder.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace veltrano::test {

// A settings store on PM.INI in a temp folder; what it reports is collected
// in `errors`, and `files` can be told to refuse writes.
class SettingsOnDisk : public ::testing::Test {
protected:
    SettingsStore store(const QByteArray &ini = {})
    {
        if (!ini.isEmpty())
            dir.write(QStringLiteral("PM.INI"), ini);
        return SettingsStore(files, codec, dir.file(QStringLiteral("PM.INI")),
                             [this](const QString &message) { errors << message; });
    }

    TempFolder dir;
    FakeFileSystem files;
    Utf8SystemCodec codec;
    QStringList errors;
};

} // namespace veltrano::test
