#include "app/Main.h"

#include "app/MessageBoxes.h"
#include "app/SettingsStore.h"
#include "platform/DataLocations.h"
#include "platform/FileSystem.h"
#include "platform/Platform.h"
#include "platform/TextCodec.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>

namespace veltrano {

TMainForm::TMainForm(Platform &platform, MessageBoxes &messages, QWidget *parent)
    : QMainWindow(parent), m_platform(platform), m_messages(messages)
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QString::fromUtf16(kMainCaption));
    // System menu and minimise box, no maximise box.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setMinimumSize(kMainMinimumSize);
    setCentralWidget(new QWidget(this));
    statusBar()->setObjectName(QStringLiteral("MainStatusBar"));
    FormCreate();
}

TMainForm::~TMainForm()
{
    FormDestroy();
}

void TMainForm::FormCreate()
{
    m_dataFolder = ChooseDataFolder(m_platform.dataLocations());
    m_platform.files().makePath(m_dataFolder);
    m_settings = std::make_unique<SettingsStore>(
        m_platform.files(), m_platform.textCodec(), m_dataFolder + QStringLiteral("PM.INI"),
        [this](const QString &message) { m_messages.error(message); });

    const StartupValues values = ReadStartupSettings(*m_settings);
    m_flags = std::make_unique<TQXEngine>(values.flags);
    m_alarm = values.alarm;
    applyStartupGeometry(values);
    m_toDoAutostart = values.toDoAutostart;
}

void TMainForm::applyStartupGeometry(const StartupValues &values)
{
    m_requestedOuterSize = values.size.expandedTo(kMainMinimumSize);
    resize(m_requestedOuterSize);
    if (values.position) {
        move(*values.position);
    } else if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), m_requestedOuterSize);
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

// The stored size is the outer size; the frame the window manager adds is only
// known once the window is on screen.
void TMainForm::applyOuterSize()
{
    if (m_outerSizeApplied)
        return;
    m_outerSizeApplied = true;
    const QSize frameExtra = frameGeometry().size() - size();
    if (!frameExtra.isEmpty() && frameExtra != QSize(0, 0))
        resize((m_requestedOuterSize - frameExtra).expandedTo(kMainMinimumSize));
}

void TMainForm::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (event->spontaneous())
        return;
    FormShow();
    QTimer::singleShot(0, this, &TMainForm::applyOuterSize);
    emit shown();
}

void TMainForm::FormShow()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QPoint guarded = GuardOffScreen(pos(), screen->geometry().size());
        if (guarded != pos())
            move(guarded);
    }
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    // Closing the main window ends the program; it does not hide it.
    event->accept();
    CloseApp();
}

void TMainForm::CloseApp()
{
    QCoreApplication::exit(0);
}

QRect TMainForm::outerGeometry() const
{
    return frameGeometry();
}

void TMainForm::FormDestroy()
{
    if (!m_settings)
        return;
    ShutdownValues values;
    values.hidden = m_flags->hidden;
    values.position = outerGeometry().topLeft();
    values.size = outerGeometry().size();
    values.alarm = m_alarm;
    WriteShutdownSettings(*m_settings, values);
    m_flags.reset();
    m_settings.reset();
}

} // namespace veltrano
