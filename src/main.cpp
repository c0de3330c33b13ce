#include "CommandLine.h"
#include "common/logic/EndingMessages.h"
#include "app/logic/Startup.h"
#include "app/ui/AppStyle.h"
#include "app/ui/Application.h"
#include "app/ui/MainWindow.h"
#include "common/ui/QtMessageBoxes.h"
#include "common/ui/QtModalDialogs.h"
#include "platform/Platform.h"
#include "platform/SingleInstance.h"
#include "platform/Termination.h"

#include <QApplication>

using namespace veltrano;

int main(int argc, char *argv[])
{
    if (const auto answered = answerCommandLineQuestion(argc, argv))
        return *answered;
    QApplication app(argc, argv);
    const auto platform = createPlatform();
    QtMessageBoxes boxes;
    EndingMessages messages(boxes, platform->notifications());
    QtModalDialogs dialogs;

    auto marker = AcquireSingleInstance(platform->singleInstance(),
                                        ChooseDataFolder(platform->dataLocations(), platform->files()).path);
    if (!marker) {
        messages.confirmNotice(QString::fromUtf16(kSecondCopyMessage));
        return 0;
    }
    QApplication::setApplicationName(QString::fromUtf16(kApplicationTitle));
    QApplication::setStyle(new AppStyle);
    // The to-do and clock windows only hide when closed; the main window's close
    // ends the program explicitly.
    QApplication::setQuitOnLastWindowClosed(false);

    // A terminate signal or the session's end runs the same shutdown as "Exit",
    // also when it arrives while the windows are still being created; what it
    // has to report reaches the user without a box to wait behind.
    bool terminating = false;
    Termination &termination = platform->termination();
    QObject::connect(&termination, &Termination::terminationRequested, &app, [&terminating, &messages] {
        messages.endWithoutWaiting();
        terminating = true;
        QCoreApplication::exit(0);
    });
    termination.watch();

    int exitCode = 0;
    {
        Application windows(*platform, messages, dialogs);
        if (!terminating) {
            windows.main().show();
            exitCode = QApplication::exec();
        }
        marker.reset();
    }
    return exitCode;
}
