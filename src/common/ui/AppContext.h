#pragma once
#include <QString>

class QObject;

namespace veltrano {

class BackgroundWriter;
class DataFolderWatch;
class MessageBoxes;
class ModalDialogs;
class Platform;
class SettingsStore;

// What every feature works with, owned by the application for the whole run:
// the OS services, the data folder's writer, the settings file, the data folder and the seams through
// which boxes and dialogs open.
class AppContext {
public:
    AppContext(Platform &platform, BackgroundWriter &files, DataFolderWatch &watch, SettingsStore &settings,
               QString dataFolder, MessageBoxes &messages, ModalDialogs &dialogs)
        : m_platform(platform), m_files(files), m_watch(watch), m_settings(settings),
          m_dataFolder(std::move(dataFolder)), m_messages(messages), m_dialogs(dialogs)
    {
    }
    AppContext(const AppContext &) = delete;
    AppContext &operator=(const AppContext &) = delete;

    Platform &platform() const { return m_platform; }
    // The data folder's files go through here: written off the GUI thread,
    // and never over a change the program has not seen.
    BackgroundWriter &files() const { return m_files; }
    // What changes on disk by another hand (a sync engine, an editor).
    DataFolderWatch &watch() const { return m_watch; }
    SettingsStore &settings() const { return m_settings; }
    // With its trailing separator.
    const QString &dataFolder() const { return m_dataFolder; }
    ModalDialogs &dialogs() const { return m_dialogs; }
    // Messages no window asked for (start-up, shutdown, a failed write).
    MessageBoxes &messages() const { return m_messages; }
    // Messages about `window`, which open above it.
    MessageBoxes &messagesAbout(const QObject *window) const;

private:
    Platform &m_platform;
    BackgroundWriter &m_files;
    DataFolderWatch &m_watch;
    SettingsStore &m_settings;
    QString m_dataFolder;
    MessageBoxes &m_messages;
    ModalDialogs &m_dialogs;
};

} // namespace veltrano
