#include "projects/logic/ProjectStore.h"

#include "platform/FileSystem.h"
#include "platform/Trash.h"

#include <QDir>

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

// A name the tree would hide (a dot name) or could not show on one line.
bool isUnusable(const QString &name)
{
    if (name.startsWith(u'.'))
        return true;
    return std::any_of(name.cbegin(), name.cend(), [](QChar ch) {
        const QChar::Category category = ch.category();
        return category == QChar::Other_Control || category == QChar::Separator_Line
               || category == QChar::Separator_Paragraph;
    });
}

// A name or path as a message quotes it: one too long for any box (a name
// the file system refused for its length) keeps its start and its end.
// A path as the system writes it (backslashes on Windows).
QString quoted(const QString &path)
{
    constexpr qsizetype kLongest = 90;
    constexpr qsizetype kKept = 40;
    const QString text = QDir::toNativeSeparators(path);
    if (text.size() <= kLongest)
        return u'"' + text + u'"';
    return u'"' + text.left(kKept) + u"\u2026" + text.right(kKept) + u'"';
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
    if (name.isEmpty())
        return NameCheck::Empty;
    return isUnusable(name) ? NameCheck::Unusable : NameCheck::Ok;
}

QString NameCheckMessage(NameCheck check)
{
    switch (check) {
    case NameCheck::ForbiddenCharacter: return QString::fromUtf16(kForbiddenCharacterMessage);
    case NameCheck::Empty: return QString::fromUtf16(kEmptyNameMessage);
    case NameCheck::Unusable: return QString::fromUtf16(kIncorrectNameMessage);
    case NameCheck::Ok: break;
    }
    return {};
}

QString ProjectExistsMessage(const QString &name)
{
    return u"Project " + name + u" already exists :(";
}

QString FirstMountPointInside(const FileSystem &files, const QString &folder)
{
    for (const FolderEntry &entry : files.listFolder(folder)) {
        if (entry.kind != FolderEntry::Kind::Folder)
            continue;
        const QString path = folder + u'/' + entry.name;
        if (files.isMountPoint(path))
            return path;
        if (QString inside = FirstMountPointInside(files, path); !inside.isEmpty())
            return inside;
    }
    return {};
}

ProjectStore::ProjectStore(FileSystem &files, Trash &trash, QString dataFolder)
    : m_files(files), m_trash(trash), m_dataFolder(std::move(dataFolder))
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
    return makeFolder(groupFolder() + u'/' + name, {StructureChange::Result::Exists, ProjectExistsMessage(name)});
}

StructureChange ProjectStore::makeFolder(const QString &target, StructureChange exists)
{
    if (m_files.exists(target))
        return exists;
    const IoStatus made = m_files.makePath(target);
    if (!made)
        return {StructureChange::Result::Failed, u"Cannot create folder " + quoted(target) + u". " + made.reason};
    return {};
}

StructureChange ProjectStore::CreateStructure(const QString &parentPath, const QString &name)
{
    const NameCheck check = CheckStructureName(name);
    if (check != NameCheck::Ok)
        return {StructureChange::Result::BadName, NameCheckMessage(check)};
    return makeFolder(folderOf(parentPath) + name,
                      {StructureChange::Result::Exists, QString::fromUtf16(kStructureExistsMessage)});
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
    const IoStatus moved = m_files.rename(parent + oldName, parent + newName);
    if (!moved)
        return {StructureChange::Result::Failed,
                u"Cannot rename folder " + quoted(parent + oldName) + u" to " + quoted(newName) + u". " + moved.reason};
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
    const QString refused = QString::fromUtf16(kCannotRemoveFolderMessage) + folder;
    if (!isStructureBelowGroup(structurePath)) {
        // A structure that is already gone leaves nothing to delete.
        if (labelsOf(structurePath) && !m_files.exists(folder.chopped(1)))
            return {};
        return {refused};
    }
    // A file system mounted inside would go to the trash with the folder,
    // and emptying the trash would then erase a USB stick or a share.
    const QString mounted = FirstMountPointInside(m_files, folder.chopped(1));
    if (!mounted.isEmpty())
        return {refused + u"\nAnother file system is mounted inside it: " + mounted};
    const IoStatus moved = m_trash.moveToTrash(folder.chopped(1));
    if (!moved)
        return {refused + u'\n' + moved.reason};
    return {};
}

} // namespace veltrano
