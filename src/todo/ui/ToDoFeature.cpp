#include "todo/ui/ToDoFeature.h"

#include "common/logic/MessageBoxes.h"
#include "common/logic/BackgroundWriter.h"
#include "common/logic/DataFolderWatch.h"
#include "common/ui/AppContext.h"
#include "common/ui/MainFrame.h"
#include "common/ui/ModalDialogs.h"
#include "platform/Platform.h"
#include "todo/logic/ToDoListModel.h"
#include "todo/ui/NewToDoItemDialog.h"
#include "todo/ui/ToDoDocking.h"
#include "todo/ui/ToDoItemEditor.h"
#include "todo/ui/ToDoStatisticsDialog.h"
#include "todo/ui/ToDoWindow.h"

#include <QAction>
#include <QGuiApplication>
#include <QScreen>
#include <utility>

namespace veltrano {
namespace {

// Where the window opens when it does not remember its place: its designed
// size in the middle of the desktop (the frame comes on top once shown).
QRect centredDesignPlacement()
{
    QRect placement(QPoint(), kToDoDesignClientSize);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        placement.moveCenter(screen->availableGeometry().center());
    return placement;
}

} // namespace

ToDoFeature::ToDoFeature(AppContext &context, MainFrame &frame) : m_context(context), m_frame(frame)
{
    setObjectName(QStringLiteral("ToDoFeature"));
    Platform &platform = context.platform();
    m_list = std::make_unique<ToDoListModel>(context.files(), platform.textCodec(), context.dataFolder(),
                                             [this](const IoStatus &status) { reportSaveFailure(status); });
    m_list->setNotice([this](const QString &text) { m_context.messagesAbout(dialogParent()).notice(text); });
    m_list->LoadToDoFile();
    followListFile();
    const SettingsStore &settings = context.settings();
    if (ReadToDoPositionMemory(settings))
        m_state.placement = ReadToDoPlacement(settings);
    m_composeOptions = ReadToDoComposeOptions(settings);
    m_autostart = ReadToDoAutostart(settings);

    connect(frame.command(Command::ShowToDoList), &QAction::triggered, this, &ToDoFeature::showToDoWindow);
    connect(&frame, &MainFrame::shown, this, &ToDoFeature::onMainWindowShown);
    connect(&frame, &MainFrame::started, this, [this] {
        m_mainWindowStarted = true;
        if (std::exchange(m_showWhenStarted, false))
            onMainWindowShown();
    });
    // After the main window has snapped into place, and at every size change.
    connect(&frame, &MainFrame::placed, this, &ToDoFeature::dock);
    connect(&frame, &MainFrame::resized, this, &ToDoFeature::dock);
}

ToDoFeature::~ToDoFeature() = default;

ToDoWindow &ToDoFeature::window()
{
    if (!m_window) {
        ToDoWindowLinks links;
        links.compose = [this](std::function<void()> closed) { compose(std::move(closed)); };
        links.editItem = [this](int index) { editItem(index); };
        links.showStatistics = [this](std::function<void()> closed) { showStatistics(std::move(closed)); };
        links.showOptions = [this] {
            if (m_openOptions)
                m_openOptions();
        };
        links.blend = [this] { return m_blendSource ? m_blendSource() : ToDoBlend{}; };
        links.left = [this] { showCount(); };
        m_window = std::make_unique<ToDoWindow>(m_context, *m_list, m_state, m_frame.window(), std::move(links));
    }
    return *m_window;
}

// The first time, the to-do window comes right after the main window's first
// frame rather than before it: the main window is on screen that much sooner.
void ToDoFeature::onMainWindowShown()
{
    if (!m_autostart)
        return;
    if (!m_mainWindowStarted) {
        m_showWhenStarted = true;
        return;
    }
    m_showingWithMain = true;
    m_frame.command(Command::ShowToDoList)->trigger();
    m_showingWithMain = false;
}

void ToDoFeature::showToDoWindow()
{
    // Beside a main window that is just coming up, the main window keeps
    // the keyboard (its Today grid has it).
    showWindow(!m_showingWithMain);
    showCount();
}

void ToDoFeature::showWindow(bool activate)
{
    window().showWindow(activate);
}

void ToDoFeature::dock()
{
    if (m_window)
        m_window->docking().dockToMainWindow();
}

void ToDoFeature::setBlending(bool on)
{
    if (m_window)
        m_window->docking().setBlending(on);
}

void ToDoFeature::setBlendValue(int value)
{
    if (m_window)
        m_window->docking().setBlendValue(value);
}

void ToDoFeature::showCount()
{
    emit countShown(QString::fromUtf16(kToDoLabelPrefix) + QString::number(m_list->count()));
}

void ToDoFeature::followListFile()
{
    const QString file = m_list->filePath();
    m_context.watch().followFiles(this, [file] { return QStringList{file}; }, [this](const QString &) { reloadList(); });
    connect(&m_context.files(), &BackgroundWriter::refusedInBackground, this, [this, file](const QString &path) {
        if (path == file)
            m_list->saveAgain();
    });
}

void ToDoFeature::reloadList()
{
    m_list->LoadToDoFile();
    if (m_window)
        m_window->updateCaption();
    showCount();
}

void ToDoFeature::reportSaveFailure(const IoStatus &status)
{
    if (m_exiting)
        return;
    m_context.messagesAbout(dialogParent()).notice(ToDoChangeNotSavedMessage(m_list->filePath(), status.reason));
}

QWidget *ToDoFeature::dialogParent() const
{
    return m_window ? static_cast<QWidget *>(m_window.get()) : &m_frame.window();
}

NewToDoItemDialog &ToDoFeature::composer()
{
    if (!m_composer) {
        m_composer = std::make_unique<NewToDoItemDialog>(m_context, *m_list, m_composeOptions);
        connect(m_composer.get(), &NewToDoItemDialog::itemAdded, this, [this] {
            if (m_window)
                m_window->updateCaption();
        });
    }
    return *m_composer;
}

ToDoItemEditor &ToDoFeature::itemEditor()
{
    if (!m_editor)
        m_editor = std::make_unique<ToDoItemEditor>(m_context.messagesAbout(&window()), *m_list);
    return *m_editor;
}

ToDoStatisticsDialog &ToDoFeature::statistics()
{
    if (!m_statistics)
        m_statistics = std::make_unique<ToDoStatisticsDialog>(m_list->counts());
    return *m_statistics;
}

void ToDoFeature::compose(std::function<void()> closed)
{
    m_context.dialogs().open(composer(), [closed = std::move(closed)](int) { closed(); });
}

void ToDoFeature::editItem(int index)
{
    itemEditor().editItem(index);
    m_context.dialogs().open(*m_editor);
}

void ToDoFeature::showStatistics(std::function<void()> closed)
{
    statistics().setCounts(m_list->counts());
    m_context.dialogs().open(*m_statistics, [closed = std::move(closed)](int) { closed(); });
}

std::optional<QString> ToDoFeature::saveAtExit()
{
    m_exiting = true;
    SettingsStore &settings = m_context.settings();
    WriteToDoComposeOptions(settings, m_composeOptions);
    if (m_window)
        m_state.placement = m_window->docking().placement();
    WriteToDoPlacement(settings, m_state.placement.value_or(centredDesignPlacement()));
    if (!m_list->SaveToDoFile())
        return QString::fromUtf16(kToDoSaveFailedMessage);
    return std::nullopt;
}

} // namespace veltrano
