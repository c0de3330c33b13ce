#include "platform/linux/LinuxAutostart.h"

#include "platform/linux/DesktopEntries.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace veltrano {

QString AutostartEntryPath(const QString &configHome)
{
    return QDir(configHome).filePath(QStringLiteral("autostart/veltrano.desktop"));
}

QByteArray ComposeAutostartEntry(const QString &executable)
{
    if (executable.isEmpty() || executable.contains(u'\n') || executable.contains(u'\r'))
        return {};
    const QString entry = QStringLiteral("[Desktop Entry]\n"
                                         "Type=Application\n"
                                         "Name=Veltrano\n"
                                         "Comment=Projects with notes, a quick to-do list, a weekly timeline and an alarm clock\n"
                                         "Exec=%1\n"
                                         "Icon=veltrano\n"
                                         "Terminal=false\n"
                                         "X-GNOME-Autostart-enabled=true\n")
                              .arg(ExecValueFor(executable));
    return entry.toUtf8();
}

bool WriteAutostartEntry(const QString &configHome, const QString &executable)
{
    const QByteArray entry = ComposeAutostartEntry(executable);
    const QString path = AutostartEntryPath(configHome);
    if (entry.isEmpty() || !QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(entry) == entry.size() && file.commit();
}

bool RemoveAutostartEntry(const QString &configHome)
{
    const QString path = AutostartEntryPath(configHome);
    const QFileInfo entry(path);
    // A link whose target is gone is an entry of ours all the same.
    return (!entry.exists() && !entry.isSymLink()) || QFile::remove(path);
}

} // namespace veltrano
