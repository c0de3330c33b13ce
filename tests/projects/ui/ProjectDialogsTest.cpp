// The four structure dialogs as the user meets them: each change goes to the
// disk, the tree is read again and the changed node selected by its name.
#include "ProjectsWindow.h"
#include "projects/ui/NewProjectDialog.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <gtest/gtest.h>

using namespace veltrano;
using namespace veltrano::test;

namespace {

using ProjectDialogs = ProjectsWindow;

// Types a name and presses the dialog's Button1; true when it closed.
bool confirmWith(StructureDialog &dialog, const QString &name)
{
    QSignalSpy closed(&dialog, &QDialog::accepted);
    dialog.edit1()->setText(name);
    dialog.button1()->click();
    return closed.count() == 1;
}

} // namespace

// Ctrl+Ins with no node selected (as after start-up) can only make a project.
TEST_F(ProjectDialogs, NewProjectProposesTheFirstFreeNameThenSelectsAndLoadsTheNewProject)
{
    start({QStringLiteral("Project1"), QStringLiteral("Project3")});
    QString proposed;
    answerDialog([&](StructureDialog &dialog) {
        proposed = dialog.edit1()->text();
        EXPECT_EQ(dialog.edit1()->selectedText(), proposed); // typing replaces it
        EXPECT_TRUE(confirmWith(dialog, proposed));
    });
    action("NewProject2")->trigger();
    EXPECT_EQ(dialogs.ran, QStringList{QStringLiteral("frmNewProject")});
    EXPECT_EQ(proposed, QStringLiteral("Project2"));
    EXPECT_TRUE(QFileInfo(group(QStringLiteral("Project2"))).isDir());
    EXPECT_EQ(treeLines(), (QStringList{QStringLiteral("Projects Group@0"), QStringLiteral("Project1@1"),
                                        QStringLiteral("Project2@1"), QStringLiteral("Project3@1")}));
    EXPECT_EQ(tree()->currentItem(), node(QStringLiteral("Project2")));
    EXPECT_EQ(label11(), QStringLiteral("Projects Group\\Project2\\"));
    EXPECT_TRUE(noteExists(QStringLiteral("Project2")));
    EXPECT_EQ(widget<QLabel>("Label10")->text(), QStringLiteral("Projects . . . 3"));
    EXPECT_EQ(widget<QTabWidget>("PageControlTabManager")->currentWidget()->objectName(),
              QStringLiteral("TabSheetProjects"));
    EXPECT_EQ(main().focusWidget(), tree());
}

// A refused name leaves the dialog open with its text, and nothing on disk.
TEST_F(ProjectDialogs, RefusedNamesKeepTheDialogOpenAndTouchNothing)
{
    start({QStringLiteral("Alpha")});
    QStringList closedAfter;
    answerDialog([&](StructureDialog &dialog) {
        for (const QString &name : {QStringLiteral("Say \"hi\""), QStringLiteral("a/b"), QString(),
                                    QStringLiteral("."), QStringLiteral("Alpha"), QStringLiteral("Beta")}) {
            if (confirmWith(dialog, name))
                closedAfter << name;
            EXPECT_EQ(dialog.edit1()->text(), name);
        }
    });
    action("NewProject2")->trigger();
    EXPECT_EQ(closedAfter, QStringList{QStringLiteral("Beta")});
    EXPECT_EQ(messages.shown.size(), 5);
    EXPECT_EQ(messageTexts(QStringLiteral("bare")),
              (QStringList{QStringLiteral("Please, do not use <>|*?\\/:"), QStringLiteral("Please, do not use <>|*?\\/:"),
                           QStringLiteral("Please, input project name")}));
    EXPECT_EQ(messageTexts(QStringLiteral("notice")),
              (QStringList{QStringLiteral("Project . already exists :("), QStringLiteral("Project Alpha already exists :(")}));
    EXPECT_EQ(QDir(group()).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
              (QStringList{QStringLiteral("Alpha"), QStringLiteral("Beta")}));
}

// A new structure selects the first node of its name in tree order, which
// may be a namesake in an earlier branch; the dialog keeps the name typed.
TEST_F(ProjectDialogs, NewSubCreatesInsideTheSelectedNodeAndSelectsTheFirstNamesake)
{
    start({QStringLiteral("Alpha/Design"), QStringLiteral("Beta")});
    select(QStringLiteral("Beta"));
    answerDialog([](StructureDialog &dialog) {
        EXPECT_TRUE(dialog.edit1()->text().isEmpty());
        EXPECT_TRUE(confirmWith(dialog, QStringLiteral("Design")));
    });
    projects().worklist().newSubItem()->trigger();
    EXPECT_EQ(dialogs.ran, QStringList{QStringLiteral("frmNewSub")});
    EXPECT_TRUE(QFileInfo(group(QStringLiteral("Beta/Design"))).isDir());
    EXPECT_EQ(label11(), QStringLiteral("Projects Group\\Alpha\\Design\\"));

    select(QStringLiteral("Beta"));
    QString keptText;
    bool closed = true;
    answerDialog([&](StructureDialog &dialog) {
        keptText = dialog.edit1()->text();
        closed = confirmWith(dialog, keptText);
    });
    projects().worklist().newButton()->click();
    EXPECT_EQ(keptText, QStringLiteral("Design"));
    EXPECT_FALSE(closed);
    EXPECT_EQ(messageTexts(QStringLiteral("notice")), QStringList{QStringLiteral("Sorry, this structure already exists :(")});
}

TEST_F(ProjectDialogs, RenameStartsFromTheNameRefusesItAndMovesTheFolderWithItsNote)
{
    start({QStringLiteral("Alpha/Design")});
    select(QStringLiteral("Alpha"));
    ASSERT_TRUE(noteExists(QStringLiteral("Alpha")));
    QStringList closedAfter;
    answerDialog([&](StructureDialog &dialog) {
        EXPECT_EQ(dialog.label1()->text(), QStringLiteral("Alpha"));
        EXPECT_EQ(dialog.edit1()->text(), QStringLiteral("Alpha"));
        for (const QString &name : {QStringLiteral("Alpha"), QStringLiteral("Gamma")}) {
            if (confirmWith(dialog, name))
                closedAfter << name;
        }
    });
    action("Rename2")->trigger();
    EXPECT_EQ(closedAfter, QStringList{QStringLiteral("Gamma")});
    EXPECT_EQ(messageTexts(QStringLiteral("notice")), QStringList{QStringLiteral("Incorrect name, input another...")});
    EXPECT_FALSE(QFileInfo::exists(group(QStringLiteral("Alpha"))));
    EXPECT_TRUE(QFileInfo(group(QStringLiteral("Gamma/Design"))).isDir());
    EXPECT_TRUE(noteExists(QStringLiteral("Gamma")));
    EXPECT_EQ(tree()->currentItem(), node(QStringLiteral("Gamma")));
    EXPECT_EQ(label11(), QStringLiteral("Projects Group\\Gamma\\"));
}

// Deleting selects the first node labelled like the parent, perhaps a
// namesake earlier in the tree; a read-only file inside goes too.
TEST_F(ProjectDialogs, DeleteRemovesEverythingInsideAndSelectsByTheParentsLabel)
{
    start({QStringLiteral("Alpha/Shared"), QStringLiteral("Beta/Shared/Old")});
    dir.write(QStringLiteral("Projects Group/Beta/Shared/Old/locked.txt"), "x");
    QFile::setPermissions(group(QStringLiteral("Beta/Shared/Old/locked.txt")), QFile::ReadOwner);
    select(QStringLiteral("Old"));
    QString shownPath;
    answerDialog([&](StructureDialog &dialog) {
        shownPath = dialog.findChild<QLabel *>(QStringLiteral("Label2"))->text();
        dialog.button1()->click();
    });
    projects().worklist().deleteButton()->click();
    EXPECT_EQ(shownPath, QStringLiteral("Projects Group\\Beta\\Shared\\Old\\"));
    EXPECT_FALSE(QFileInfo::exists(group(QStringLiteral("Beta/Shared/Old"))));
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(tree()->currentItem(), node(QStringLiteral("Shared")));
    EXPECT_EQ(label11(), QStringLiteral("Projects Group\\Alpha\\Shared\\"));

    select(QStringLiteral("Beta"));
    answerDialog([](StructureDialog &dialog) { dialog.button1()->click(); });
    action("Delete2")->trigger();
    EXPECT_FALSE(QFileInfo::exists(group(QStringLiteral("Beta"))));
    EXPECT_EQ(tree()->currentItem(), tree()->topLevelItem(0));
    EXPECT_EQ(label11(), QStringLiteral("Projects Group\\"));
}

TEST_F(ProjectDialogs, CancelAndEscapeChangeNothing)
{
    start({QStringLiteral("Alpha")});
    select(QStringLiteral("Alpha"));
    answerDialog([](StructureDialog &dialog) {
        dialog.edit1()->setText(QStringLiteral("Gamma"));
        dialog.button2()->click();
    });
    action("Rename2")->trigger();
    answerDialog([](StructureDialog &dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
    action("Delete2")->trigger();
    EXPECT_EQ(dialogs.ran, (QStringList{QStringLiteral("frmProjectRenamer"), QStringLiteral("frmProjectDelete")}));
    EXPECT_TRUE(QFileInfo(group(QStringLiteral("Alpha"))).isDir());
    EXPECT_EQ(treeLines(), (QStringList{QStringLiteral("Projects Group@0"), QStringLiteral("Alpha@1")}));
}

// Enter is the dialog's confirm button, typed into the name field.
TEST_F(ProjectDialogs, EnterInTheNameFieldCreates)
{
    start();
    StructureDialog *dialog = &program->projects().commands().newProjectDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("New Project"));
    EXPECT_EQ(dialog->size(), QSize(428, 100));
    EXPECT_TRUE(dialog->button1()->isDefault());
    EXPECT_GT(dialog->button2()->x(), dialog->button1()->x()); // "Cancel" rightmost
    dialog->show();
    dialog->edit1()->setFocus();
    dialog->edit1()->setText(QStringLiteral("Проект"));
    QTest::keyClick(dialog->edit1(), Qt::Key_Return);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(QFileInfo(group(QStringLiteral("Проект"))).isDir());
    EXPECT_EQ(tree()->currentItem(), node(QStringLiteral("Проект")));
}

// The root can be neither renamed nor deleted; with nothing selected (after
// the tree was read again at a showing) a new structure is a project.
TEST_F(ProjectDialogs, RootAndNoSelectionOfferOnlyANewProject)
{
    start({QStringLiteral("Alpha")});
    select(QStringLiteral("Projects Group"));
    QMenu *menu = projects().worklist().popupMenu();
    emit menu->aboutToShow();
    EXPECT_TRUE(projects().worklist().newSubItem()->isEnabled());
    EXPECT_FALSE(projects().worklist().renameItem()->isEnabled());
    EXPECT_FALSE(projects().worklist().deleteItem()->isEnabled());
    action("Rename2")->trigger();
    action("Delete2")->trigger();
    action("NewProject2")->trigger();
    EXPECT_EQ(dialogs.ran, QStringList{QStringLiteral("frmNewProject")});

    select(QStringLiteral("Alpha"));
    emit menu->aboutToShow();
    EXPECT_TRUE(projects().worklist().renameItem()->isEnabled());

    main().hide();
    main().show();
    ASSERT_EQ(tree()->currentItem(), nullptr);
    emit menu->aboutToShow();
    EXPECT_FALSE(projects().worklist().deleteItem()->isEnabled());
    dialogs.ran.clear();
    projects().worklist().renameItem()->trigger();
    projects().worklist().deleteItem()->trigger();
    projects().worklist().newSubItem()->trigger();
    EXPECT_EQ(dialogs.ran, QStringList{QStringLiteral("frmNewProject")});
}
