#pragma once
#include <QString>
#include <QStringList>

namespace veltrano {

class FileSystem;

inline constexpr auto kGroupFolderName = u"Projects Group";
inline constexpr auto kForbiddenCharacterMessage = u"Please, do not use <>|*?\\/:";
inline constexpr auto kEmptyNameMessage = u"Please, input project name";
inline constexpr auto kStructureExistsMessage = u"Sorry, this structure already exists :(";
inline constexpr auto kRenameTargetExistsMessage = u"Incorrect name, input another...";

enum class NameCheck { Ok, ForbiddenCharacter, Empty };

struct FolderEntry;

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
// that passed the character test.
NameCheck CheckStructureName(const QString &name);
// The text the naming dialogs show for a refused name; empty for Ok.
QString NameCheckMessage(NameCheck check);

// What a naming dialog does with the outcome of its change: a refused name goes
// to the bare box and an existing target to the notice, both leaving the dialog
// open; a done change closes it.
struct StructureChange {
    enum class Result { Done, BadName, Exists };
    Result result = Result::Done;
    QString message;

    bool done() const { return result == Result::Done; }
};

// Every structure removal the delete could not make, in the order met.
struct DeleteReport {
    QStringList failures;          // "Could NOT delete " + path, one notice each
    QString refusal;               // "Sorry, can not remove folder: " + path, or empty
};

// Deletes a folder and everything in it, depth first. A symbolic link is
// removed as a link and a mount point is not entered: nothing outside the
// folder's own file system tree is ever touched.
DeleteReport DeleteFolderTree(FileSystem &files, const QString &folder);

// The project folders under data folder + "Projects Group". Structure paths
// are the node paths the user reads ("Projects Group\Alpha\"); on disk the
// backslashes become the native separator.
class ProjectStore {
public:
    // `dataFolder` ends with '/'.
    ProjectStore(FileSystem &files, QString dataFolder);

    QString groupFolder() const;
    // data folder + structure path, with '/' for every '\'.
    QString folderOf(const QString &structurePath) const;

    QString SuggestProjectName() const;
    StructureChange CreateProject(const QString &name);
    StructureChange CreateStructure(const QString &parentPath, const QString &name);
    StructureChange RenameStructure(const QString &parentPath, const QString &oldName,
                                    const QString &newName);
    DeleteReport DeleteStructure(const QString &structurePath);

private:
    bool isStructureBelowGroup(const QString &structurePath) const;

    FileSystem &m_files;
    QString m_dataFolder;
};

} // namespace veltrano
