// main() for tests on a small screen scaled to 2x: a 1280 x 800 monitor with
// two device pixels to the logical one, as a laptop at QT_SCALE_FACTOR=2 is,
// leaving 640 x 400 logical pixels for the windows.
#include "support/TestEnvironment.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    veltrano::test::useTestEnvironment();
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("screens.json"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly)
        || file.write(R"({"screens": [{"name": "laptop", "x": 0, "y": 0, "width": 640, "height": 400,
                          "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 2}]})")
               < 0)
        return 2;
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
