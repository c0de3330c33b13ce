#include "platform/qt/ModuleLoader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace veltrano {

ModuleLoader::ModuleLoader(QString baseName, QStringList folders)
    : m_baseName(std::move(baseName)), m_folders(std::move(folders))
{
}

QStringList ModuleLoader::defaultFolders()
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    return {programFolder, QDir::cleanPath(programFolder + QStringLiteral("/../lib/veltrano"))};
}

QObject *ModuleLoader::instance()
{
    if (std::exchange(m_tried, true))
        return m_instance;
    const QStringList folders = m_folders.isEmpty() ? defaultFolders() : m_folders;
    m_why = QStringLiteral("the module %1 is missing").arg(m_baseName);
    for (const QString &folder : folders) {
        const QString stem = QDir(folder).filePath(m_baseName);
        // The file as the build names it on this system (.so, .dll).
        QString file;
        for (const QString &suffix : {QStringLiteral(".so"), QStringLiteral(".dll"), QStringLiteral(".dylib")}) {
            if (QFileInfo::exists(stem + suffix)) {
                file = stem + suffix;
                break;
            }
        }
        if (file.isEmpty())
            continue;
        m_loader.setFileName(file);
        if ((m_instance = m_loader.instance()))
            return m_instance;
        m_why = m_loader.errorString();
    }
    return nullptr;
}

} // namespace veltrano
