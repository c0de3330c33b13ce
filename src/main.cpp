#include "CommandLine.h"
#include "app/logic/Startup.h"
#include "app/ui/AppStyle.h"
#include "app/ui/Application.h"
#include "common/logic/EndingMessages.h"
#include "common/ui/QtMessageBoxes.h"
#include "common/ui/QtModalDialogs.h"
#include "platform/Notifications.h"
#include "platform/Platform.h"
#include "platform/SingleInstance.h"
#include "platform/Termination.h"

#include <QApplication>

using namespace veltrano;

namespace {

// The refusal of a second copy is a box of its own: the program ends once it
// has been read. The user started it to see the program, so the running copy
// comes forward first.
int refuseSecondCopy(SingleInstance &instance, MessageBoxes &messages)
{
    CallRunningCopyForward(instance);
    messages.confirmNotice(QString::fromUtf16(kSecondCopyMessage));
    return QApplication::exec();
}

} // namespace

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
    if (!marker)
        return refuseSecondCopy(platform->singleInstance(), messages);
    QApplication::setApplicationName(QString::fromUtf16(kApplicationTitle));
    QApplication::setStyle(new AppStyle);
    useUnshapedInterfaceText();
    // The to-do and clock windows only hide when closed; the main window's close
    // ends the program explicitly.
    QApplication::setQuitOnLastWindowClosed(false);

    // A terminate signal or the session's end runs the same shutdown as "Exit",
    // whatever box is open; what it has to report reaches the user without a
    // box to wait behind.
    Termination &termination = platform->termination();
    QObject::connect(&termination, &Termination::terminationRequested, &app, [&messages] {
        messages.endWithoutWaiting();
        QCoreApplication::exit(0);
    });
    termination.watch();

    Application program(*platform, messages, dialogs);
    program.comeForwardOnLaterStarts(*marker);
    const int exitCode = program.run();
    marker.reset();
    return exitCode;
}
