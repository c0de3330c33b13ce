#pragma once
#include "app/Startup.h"

#include <QMainWindow>
#include <memory>

namespace veltrano {

class MessageBoxes;
class Platform;
class SettingsStore;

// The main window. It owns the settings store and the start-up flags: both
// exist from its creation to its destruction, the very last step of shutdown.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    TMainForm(Platform &platform, MessageBoxes &messages, QWidget *parent = nullptr);
    ~TMainForm() override;

    Platform &platform() const { return m_platform; }
    MessageBoxes &messages() const { return m_messages; }
    SettingsStore &settings() const { return *m_settings; }
    const QString &dataFolder() const { return m_dataFolder; }
    bool toDoAutostart() const { return m_toDoAutostart; }

    // Ends the program through the normal shutdown.
    void CloseApp();

signals:
    // Every change from hidden to visible, after the show steps ran.
    void shown();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void FormCreate();
    void FormShow();
    void FormDestroy();
    void applyStartupGeometry(const StartupValues &values);
    void applyOuterSize();
    QRect outerGeometry() const;

    Platform &m_platform;
    MessageBoxes &m_messages;
    QString m_dataFolder;
    std::unique_ptr<SettingsStore> m_settings;
    std::unique_ptr<TQXEngine> m_flags;
    AlarmSettings m_alarm; // kept until the Wake Up! page holds them
    bool m_toDoAutostart = true;
    QSize m_requestedOuterSize;
    bool m_outerSizeApplied = false;
};

} // namespace veltrano
