#pragma once
#include <QString>
#include <QStringList>

namespace veltrano {

class FileSystem;

inline constexpr auto kGroupFolderName = u"Projects Group";
inline constexpr auto kForbiddenCharacterMessage = u"Please, do not use <>|*?\\/:";
inline constexpr auto kEmptyNameMessage = u"Please, input project name";
inline constexpr auto kStructureExistsMessage = u"Sorry, this structure already exists :(";
inline constexpr auto kIncorrectNameMessage = u"Incorrect name, input another...";
inline constexpr auto kRenameTargetExistsMessage = kIncorrectNameMessage;
inline constexpr auto kCannotRemoveFolderMessage = u"Sorry, can not remove folder: ";

// Unusable: a name the tree could not show as typed (a dot name is hidden
// here, a line break or other control character cuts its label short).
enum class NameCheck { Ok, ForbiddenCharacter, Empty, Unusable };

struct FolderEntry;
class Trash;

// A folder entry that counts as a folder of the store: a real directory, not a
// symbolic link, whose name does not start with a dot (hidden on Linux).
bool IsPlainFolder(const FolderEntry &entry);
// A plain folder that can be a node of the project tree: its name must also be
// free of backslashes, which separate the labels of a structure path.
bool IsStructureFolder(const FolderEntry &entry);

QString ProjectExistsMessage(const QString &name);

// The folder of a structure: data folder (ending with '/') + structure path,
// with '/' for every '\'.
QString StructureFolder(const QString &dataFolder, const QString &structurePath);

// The first forbidden character decides; emptiness is only asked of a name
// that passed the character test, and usability of one that is not empty.
NameCheck CheckStructureName(const QString &name);
// The text the naming dialogs show for a refused name; empty for Ok.
QString NameCheckMessage(NameCheck check);

// What a naming dialog does with the outcome of its change: a refused name goes
// to the bare box, an existing target to the notice and a change the file
// system refused (with its reason) to the error report, each leaving the
// dialog open; a done change closes it.
struct StructureChange {
    enum class Result { Done, BadName, Exists, Failed };
    Result result = Result::Done;
    QString message;

    bool done() const { return result == Result::Done; }
};

// A delete goes whole or not at all: empty when done (or when there was
// nothing left to delete), otherwise the one message saying why not.
struct DeleteReport {
    QString refusal; // "Sorry, can not remove folder: " + path, and the reason

    bool done() const { return refusal.isEmpty(); }
};

// The first folder inside `folder` (at any depth, links never followed) on
// which another file system is mounted; empty when there is none.
QString FirstMountPointInside(const FileSystem &files, const QString &folder);

// The project folders under data folder + "Projects Group". Structure paths
// are the node paths the user reads ("Projects Group\Alpha\"); on disk the
// backslashes become the native separator.
class ProjectStore {
public:
    // `dataFolder` ends with '/'.
    ProjectStore(FileSystem &files, Trash &trash, QString dataFolder);

    QString groupFolder() const;
    // data folder + structure path, with '/' for every '\'.
    QString folderOf(const QString &structurePath) const;

    QString SuggestProjectName() const;
    StructureChange CreateProject(const QString &name);
    StructureChange CreateStructure(const QString &parentPath, const QString &name);
    StructureChange RenameStructure(const QString &parentPath, const QString &oldName,
                                    const QString &newName);
    // Moves the structure's folder, with everything in it, to the desktop's
    // trash in one step, from where the user can bring it back.
    DeleteReport DeleteStructure(const QString &structurePath);

private:
    bool isStructureBelowGroup(const QString &structurePath) const;
    StructureChange makeFolder(const QString &target, StructureChange exists);

    FileSystem &m_files;
    Trash &m_trash;
    QString m_dataFolder;
};

} // namespace veltrano
