#pragma once
#include <QPluginLoader>
#include <QStringList>

namespace veltrano {

// One of the program's own modules (the sound player, the note printer):
// a plugin library that carries a heavy part of Qt, loaded the first time it
// is needed so that start-up pays nothing for it. It is looked for beside the
// program (a build, a portable copy), then under lib/veltrano of an
// installation; the first that loads wins. Tried once.
class ModuleLoader {
public:
    // `baseName` without prefix or suffix ("veltrano-sound"); `folders`: where
    // to look, in order (empty: the program's own places).
    explicit ModuleLoader(QString baseName, QStringList folders = {});
    ModuleLoader(const ModuleLoader &) = delete;
    ModuleLoader &operator=(const ModuleLoader &) = delete;

    // The module's plugin object, or null; `why()` then says what failed.
    QObject *instance();
    QString why() const { return m_why; }
    static QStringList defaultFolders();

private:
    QString m_baseName;
    QStringList m_folders;
    QPluginLoader m_loader;
    QObject *m_instance = nullptr;
    bool m_tried = false;
    QString m_why;
};

} // namespace veltrano
