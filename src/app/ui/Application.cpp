#include "app/ui/Application.h"

#include "app/logic/Startup.h"
#include "app/ui/GlobalHotKeys.h"
#include "app/ui/MainWindow.h"
#include "app/ui/OptionsFeature.h"
#include "app/ui/TrayPlacement.h"
#include "clocks/ui/ClocksFeature.h"
#include "common/logic/BackgroundWriter.h"
#include "common/logic/ConflictCopies.h"
#include "common/logic/DataFolderWatch.h"
#include "common/logic/MessageBoxes.h"
#include "common/logic/SettingsStore.h"
#include "common/ui/AppContext.h"
#include "common/ui/MainFrame.h"
#include "console/ui/ConsoleFeature.h"
#include "passwords/ui/PasswordsFeature.h"
#include "platform/Platform.h"
#include "platform/SingleInstance.h"
#include "projects/ui/ProjectsFeature.h"
#include "systemtools/ui/SystemToolsFeature.h"
#include "timeline/ui/TimelineFeature.h"
#include "todo/ui/ToDoFeature.h"

#include <QApplication>
#include <QDir>
#include <QSysInfo>
#include <QMessageBox>
#include <QTimer>

namespace veltrano {

Application::Application(Platform &platform, MessageBoxes &messages, ModalDialogs &dialogs)
    : m_platform(platform), m_messages(messages)
{
    const QString dataFolder = OpenDataFolder(platform.dataLocations(), platform.files(), messages);
    m_files = std::make_unique<BackgroundWriter>(platform.files(), platform.clock(), QSysInfo::machineHostName());
    m_settings = std::make_unique<SettingsStore>(*m_files, platform.textCodec(),
                                                 dataFolder + QStringLiteral("PM.INI"),
                                                 [&messages](const QString &message) { messages.error(message); });
    m_watch = std::make_unique<DataFolderWatch>(*m_files);
    m_context = std::make_unique<AppContext>(platform, *m_files, *m_watch, *m_settings, dataFolder, messages,
                                             dialogs);
    m_main = std::make_unique<MainWindow>(*m_context);
    QObject::connect(m_files.get(), &BackgroundWriter::conflictKept, m_main.get(),
                     [this](const QString &, const QString &copy) { tellConflictKept(copy); });
    followSettingsFile();
    createFeatures();
    joinFeatures();
    m_main->finishCreation();
}

// The features' windows go first, then the main window whose pages they fill.
Application::~Application()
{
    shutDown();
    m_passwords.reset();
    m_console.reset();
    m_systemTools.reset();
    m_options.reset();
    m_toDo.reset();
    m_clocks.reset();
    m_projects.reset();
    m_timeline.reset();
    m_tray.reset();
    m_main.reset();
    m_context.reset();
    m_watch.reset();
    m_settings.reset();
    m_files.reset();
}

// In the order the main window's creation needs them: the tray and hot keys
// (a refused key is reported before the window shows), the Today page, the
// worklist and note, the alarm, the to-do list, the options that act on the
// to-do window, the desktop's tools, the console, the password generator.
void Application::createFeatures()
{
    AppContext &context = *m_context;
    MainFrame &frame = m_main->frame();
    m_tray = std::make_unique<TrayPlacement>(context, *m_main);
    m_timeline = std::make_unique<TimelineFeature>(context, frame);
    m_projects = std::make_unique<ProjectsFeature>(context, frame);
    m_clocks = std::make_unique<ClocksFeature>(context, frame);
    m_toDo = std::make_unique<ToDoFeature>(context, frame);
    m_options = std::make_unique<OptionsFeature>(context, frame);
    m_systemTools = std::make_unique<SystemToolsFeature>(context, frame);
    m_console = std::make_unique<ConsoleFeature>(context, frame);
    m_passwords = std::make_unique<PasswordsFeature>(context, frame);
}

// Features meet only here: each gets what it needs of another as a call.
void Application::joinFeatures()
{
    QObject::connect(m_clocks.get(), &ClocksFeature::dayChanged, m_tray.get(), &TrayPlacement::setTrayDay);
    m_systemTools->setDisableAlarm([this] { m_clocks->disableAlarm(); });

    // The to-do window's blending is the options' to say, from the first show.
    m_toDo->setBlendSource([this] { return m_options->toDoBlend(); });
    m_toDo->setOptionsOpener([this] { m_options->openOnToDoPage(); });
    m_options->setToDoReactions({[this](bool on) { m_toDo->setBlending(on); },
                                 [this](int value) { m_toDo->setBlendValue(value); },
                                 [this] { m_toDo->showWindow(true); }});
    QObject::connect(m_toDo.get(), &ToDoFeature::countShown, m_projects.get(), &ProjectsFeature::showToDoCount);
    QObject::connect(m_projects.get(), &ProjectsFeature::toDoCountClicked, m_toDo.get(),
                     &ToDoFeature::showToDoWindow);
    // Ctrl+F1 shows the to-do window and leaves the count on the main window be.
    m_tray->hotKeys().setReaction(kToDoHotKey, [this] { m_toDo->showWindow(true); });
}

namespace {
QList<QWidget *> openBoxes();
}

int Application::run()
{
    // Shown from inside the event loop, so that a terminate signal that comes
    // at any moment of start-up (a box open or not) ends the loop.
    QTimer::singleShot(0, m_main.get(), [this] { m_main->show(); });
    const int exitCode = QApplication::exec();
    const QList<QWidget *> openBefore = openBoxes();
    shutDown();
    waitForBoxesOfTheEnd(openBefore);
    return exitCode;
}

void Application::comeForwardOnLaterStarts(InstanceMarker &marker)
{
    QObject::connect(&marker, &InstanceMarker::activationRequested, m_tray.get(), &TrayPlacement::comeForward);
}

void Application::shutDown()
{
    if (std::exchange(m_shutDown, true))
        return;
    m_main->stopTimers();
    m_systemTools->waitForCdTray(kCdTrayExitWaitMs);
    finishQueuedWrites();
    saveAll();
}

void Application::finishQueuedWrites()
{
    if (!m_files->waitUntilWritten(std::chrono::milliseconds(kQueuedWritesExitWaitMs))) {
        QStringList files = m_files->unwritten();
        for (QString &file : files)
            file = QDir::toNativeSeparators(file);
        m_messages.error(QueuedWritesLateMessage(files, kQueuedWritesExitWaitMs / 1000));
    }
    // A write refused at the last moment is tried again by its owner (and
    // told) before the save-all, not lost with the event loop.
    QCoreApplication::sendPostedEvents(m_files.get());
    m_files->writeInForeground();
}

void Application::followSettingsFile()
{
    const QString file = m_settings->fileName();
    // The settings store puts the keys this run changed back into what it
    // takes in: no copy of its own write is needed.
    m_watch->followFiles(m_main.get(), [file] { return QStringList{file}; },
                         [this](const QString &) { m_settings->reloadIfChangedOutside(); },
                         DataFolderWatch::OwnWriteReplaced::OwnerMerges);
    QObject::connect(m_files.get(), &BackgroundWriter::refusedInBackground, m_main.get(),
                     [this, file](const QString &path) {
                         if (path == file)
                             m_settings->writeAgain();
                     });
}

// Said once for each copy kept: the status bar at once, a notice besides.
void Application::tellConflictKept(const QString &copy)
{
    const QString text = ConflictKeptMessage(QDir::toNativeSeparators(copy));
    m_main->frame().showStatusMessage(text, 0);
    m_messages.notice(text);
}

void Application::saveAll()
{
    std::optional<QString> refusal;
    std::optional<QString> listFailure;
    {
        // A refused key is held, not told, and no key is tried after it.
        const SettingsStore::ExitWrites exitWrites(*m_settings);
        m_projects->saveAtExit();
        listFailure = m_toDo->saveAtExit();
        if (m_main->saveAtExit())
            m_clocks->saveAtExit();
        refusal = exitWrites.refusal();
    }
    if (refusal)
        m_messages.error(*refusal);
    if (listFailure)
        m_messages.notice(*listFailure);
}

namespace {

QList<QWidget *> openBoxes()
{
    QList<QWidget *> boxes;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && qobject_cast<QMessageBox *>(window))
            boxes << window;
    }
    return boxes;
}

} // namespace

// What could not be saved at the end is told in boxes of their own: the
// program ends once they have been read. Boxes left open from before go with
// the windows; a terminate signal tells its reports without boxes.
void Application::waitForBoxesOfTheEnd(const QList<QWidget *> &openBefore)
{
    QList<QWidget *> ofTheEnd = openBoxes();
    ofTheEnd.removeIf([&openBefore](QWidget *box) { return openBefore.contains(box); });
    if (ofTheEnd.isEmpty())
        return;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (!ofTheEnd.contains(window))
            window->hide();
    }
    QApplication::setQuitOnLastWindowClosed(true);
    QApplication::exec();
}

} // namespace veltrano
