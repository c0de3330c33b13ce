#include "projects/logic/ProjectStore.h"

#include "platform/FileSystem.h"

namespace veltrano {
namespace {

constexpr QStringView kForbiddenCharacters = u"\"*/:<>?\\|";

// The labels of a structure path: "Projects Group\A\B\" gives
// {"Projects Group", "A", "B"}; nothing for a path that is not one.
std::optional<QStringList> labelsOf(const QString &structurePath)
{
    if (!structurePath.endsWith(u'\\'))
        return std::nullopt;
    QStringList labels = structurePath.chopped(1).split(u'\\');
    for (const QString &label : labels) {
        if (label.isEmpty() || label == u"." || label == u".." || label.contains(u'/'))
            return std::nullopt;
    }
    if (labels.first() != kGroupFolderName)
        return std::nullopt;
    return labels;
}

} // namespace

QString StructureFolder(const QString &dataFolder, const QString &structurePath)
{
    QString path = structurePath;
    path.replace(u'\\', u'/');
    return dataFolder + path;
}

bool IsPlainFolder(const FolderEntry &entry)
{
    return entry.kind == FolderEntry::Kind::Folder && !entry.hidden;
}

bool IsStructureFolder(const FolderEntry &entry)
{
    return IsPlainFolder(entry) && !entry.name.contains(u'\\');
}

NameCheck CheckStructureName(const QString &name)
{
    for (QChar ch : name) {
        if (kForbiddenCharacters.contains(ch))
            return NameCheck::ForbiddenCharacter;
    }
    return name.isEmpty() ? NameCheck::Empty : NameCheck::Ok;
}

QString NameCheckMessage(NameCheck check)
{
    switch (check) {
    case NameCheck::ForbiddenCharacter: return QString::fromUtf16(kForbiddenCharacterMessage);
    case NameCheck::Empty: return QString::fromUtf16(kEmptyNameMessage);
    case NameCheck::Ok: break;
    }
    return {};
}

QString ProjectExistsMessage(const QString &name)
{
    return u"Project " + name + u" already exists :(";
}

DeleteReport DeleteFolderTree(FileSystem &files, const QString &folder)
{
    DeleteReport report;
    for (const FolderEntry &entry : files.listFolder(folder)) {
        const QString path = folder + u'/' + entry.name;
        // A mounted file system is not part of the structure: it is treated
        // like a file, never entered, and its removal fails and is reported.
        if (IsPlainFolder(entry) && !files.isMountPoint(path)) {
            report.failures += DeleteFolderTree(files, path).failures;
            continue;
        }
        // Files, links and marked folders go as files: a link is unlinked, its
        // target never reached. Linux lets the folder's permission, not the
        // file's, decide a removal, and changing a file's mode would also
        // change every hard link of it elsewhere, so modes are left alone.
        if (!files.removeFile(path))
            report.failures << u"Could NOT delete " + path;
    }
    files.removeFolder(folder); // fails, unreported, while something remained
    return report;
}

ProjectStore::ProjectStore(FileSystem &files, QString dataFolder)
    : m_files(files), m_dataFolder(std::move(dataFolder))
{
}

QString ProjectStore::groupFolder() const
{
    return m_dataFolder + kGroupFolderName;
}

QString ProjectStore::folderOf(const QString &structurePath) const
{
    return StructureFolder(m_dataFolder, structurePath);
}

QString ProjectStore::SuggestProjectName() const
{
    const QString stem = groupFolder() + u"/Project";
    for (quint64 n = 1;; ++n) {
        if (!m_files.exists(stem + QString::number(n)))
            return u"Project" + QString::number(n);
    }
}

StructureChange ProjectStore::CreateProject(const QString &name)
{
    const NameCheck check = CheckStructureName(name);
    if (check != NameCheck::Ok)
        return {StructureChange::Result::BadName, NameCheckMessage(check)};
    const QString target = groupFolder() + u'/' + name;
    if (m_files.exists(target))
        return {StructureChange::Result::Exists, ProjectExistsMessage(name)};
    m_files.makePath(target); // a refusal shows as a missing node after the rebuild
    return {};
}

StructureChange ProjectStore::CreateStructure(const QString &parentPath, const QString &name)
{
    const NameCheck check = CheckStructureName(name);
    if (check != NameCheck::Ok)
        return {StructureChange::Result::BadName, NameCheckMessage(check)};
    const QString target = folderOf(parentPath) + name;
    if (m_files.exists(target))
        return {StructureChange::Result::Exists, QString::fromUtf16(kStructureExistsMessage)};
    m_files.makePath(target);
    return {};
}

StructureChange ProjectStore::RenameStructure(const QString &parentPath, const QString &oldName,
                                              const QString &newName)
{
    const NameCheck check = CheckStructureName(newName);
    if (check != NameCheck::Ok)
        return {StructureChange::Result::BadName, NameCheckMessage(check)};
    const QString parent = folderOf(parentPath);
    if (m_files.exists(parent + newName))
        return {StructureChange::Result::Exists, QString::fromUtf16(kRenameTargetExistsMessage)};
    m_files.rename(parent + oldName, parent + newName);
    return {};
}

bool ProjectStore::isStructureBelowGroup(const QString &structurePath) const
{
    const std::optional<QStringList> labels = labelsOf(structurePath);
    if (!labels || labels->size() < 2)
        return false;
    // Walk down from the group folder so that no link on the way can lead the
    // delete to a folder outside the store.
    QString folder = groupFolder();
    for (qsizetype i = 1; i < labels->size(); ++i) {
        const QString &label = labels->at(i);
        const QList<FolderEntry> entries = m_files.listFolder(folder);
        const auto found = std::find_if(entries.cbegin(), entries.cend(),
                                        [&](const FolderEntry &e) { return e.name == label; });
        if (found == entries.cend() || !IsStructureFolder(*found))
            return false;
        folder += u'/' + label;
    }
    return true;
}

DeleteReport ProjectStore::DeleteStructure(const QString &structurePath)
{
    const QString folder = folderOf(structurePath);
    if (!isStructureBelowGroup(structurePath)) {
        DeleteReport refused;
        // A structure that is already gone leaves nothing to delete.
        if (labelsOf(structurePath) && !m_files.exists(folder.chopped(1)))
            return refused;
        refused.refusal = u"Sorry, can not remove folder: " + folder;
        return refused;
    }
    return DeleteFolderTree(m_files, folder.chopped(1));
}

} // namespace veltrano
