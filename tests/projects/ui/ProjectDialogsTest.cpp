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
#include <QTextDocument>
#include <gtest/gtest.h>

#include <cerrno>

using namespace veltrano;
using namespace veltrano::test;

namespace {

using ProjectDialogs = ProjectsWindow;

// Types a name and presses the dialog's Button1; true when it closed.
bool confirmWith(StructureDialog &dialog, const QString &name)
{
    QSignalSpy closed(&dialog, &QDialog::accepted);
    dialog.nameEdit()->setText(name);
    dialog.confirmButton()->click();
    return closed.count() == 1;
}

} // namespace

// Ctrl+Ins with no node selected (as after start-up) can only make a project.
TEST_F(ProjectDialogs, NewProjectProposesTheFirstFreeNameThenSelectsAndLoadsTheNewProject)
{
    start({QStringLiteral("Project1"), QStringLiteral("Project3")});
    QString proposed;
    answerDialog([&](StructureDialog &dialog) {
        proposed = dialog.nameEdit()->text();
        EXPECT_EQ(dialog.nameEdit()->selectedText(), proposed); // typing replaces it
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
// A dot name would vanish from the tree and a line break cut its label short.
TEST_F(ProjectDialogs, RefusedNamesKeepTheDialogOpenAndTouchNothing)
{
    start({QStringLiteral("Alpha")});
    QStringList closedAfter;
    answerDialog([&](StructureDialog &dialog) {
        for (const QString &name :
             {QStringLiteral("Say \"hi\""), QStringLiteral("a/b"), QString(), QStringLiteral("."),
              QStringLiteral(".Hidden"), QStringLiteral("Two\nLines"), QStringLiteral("Alpha"), QStringLiteral("Beta")}) {
            if (confirmWith(dialog, name))
                closedAfter << name;
            EXPECT_EQ(dialog.nameEdit()->text(), name);
        }
    });
    action("NewProject2")->trigger();
    EXPECT_EQ(closedAfter, QStringList{QStringLiteral("Beta")});
    EXPECT_EQ(messages.shown.size(), 7);
    const QString incorrect = QStringLiteral("Incorrect name, input another...");
    EXPECT_EQ(messageTexts(QStringLiteral("bare")),
              (QStringList{QStringLiteral("Please, do not use <>|*?\\/:"), QStringLiteral("Please, do not use <>|*?\\/:"),
                           QStringLiteral("Please, input project name"), incorrect, incorrect, incorrect}));
    EXPECT_EQ(messageTexts(QStringLiteral("notice")), QStringList{QStringLiteral("Project Alpha already exists :(")});
    EXPECT_EQ(QDir(group()).entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot),
              (QStringList{QStringLiteral("Alpha"), QStringLiteral("Beta")}));
}

// A change the file system refuses is said with the system's reason, and the
// dialog stays open for another name.
TEST_F(ProjectDialogs, ChangesTheFileSystemRefusesAreReportedAndKeepTheDialogOpen)
{
    start({QStringLiteral("Alpha")});
    const QString tooLong(256, u'x');
    bool closed = true;
    answerDialog([&](StructureDialog &dialog) { closed = confirmWith(dialog, tooLong); });
    action("NewProject2")->trigger();
    EXPECT_FALSE(closed);
    select(QStringLiteral("Alpha"));
    answerDialog([&](StructureDialog &dialog) { closed = confirmWith(dialog, tooLong); });
    action("Rename2")->trigger();
    EXPECT_FALSE(closed);
    const QStringList errors = messageTexts(QStringLiteral("error"));
    ASSERT_EQ(errors.size(), 2);
    EXPECT_TRUE(errors[0].startsWith(u"Cannot create folder \"")) << errors[0].toStdString();
    EXPECT_TRUE(errors[1].startsWith(u"Cannot rename folder \"" + group(QStringLiteral("Alpha")))) << errors[1].toStdString();
    for (const QString &error : errors)
        EXPECT_TRUE(error.endsWith(qt_error_string(ENAMETOOLONG))) << error.toStdString();
    EXPECT_EQ(treeLines(), (QStringList{QStringLiteral("Projects Group@0"), QStringLiteral("Alpha@1")}));
}

// Names made outside the program are shown as written wherever a label, a
// hint or a dialog shows them, never as markup.
TEST_F(ProjectDialogs, NamesThatLookLikeMarkupAreShownAsWritten)
{
    const QString name = QStringLiteral("<b>x");
    start({name});
    select(name);
    const auto shownAsWritten = [](const QLabel *label, const QString &text) {
        return label->text() == text
               && (label->textFormat() == Qt::PlainText
                   || (label->textFormat() == Qt::AutoText && !Qt::mightBeRichText(text)));
    };
    // How a tool tip reads: Qt lays out a tip that looks like markup as rich text.
    const auto tipReads = [](const QString &tip) {
        if (!Qt::mightBeRichText(tip))
            return tip;
        QTextDocument shown;
        shown.setHtml(tip);
        return shown.toPlainText();
    };
    const QString path = QStringLiteral("Projects Group\\<b>x\\");
    auto *label11 = widget<QLabel>("Label11");
    EXPECT_TRUE(shownAsWritten(label11, path));
    QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), label11->mapToGlobal(QPointF(2, 2)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(label11, &move);
    EXPECT_EQ(tipReads(label11->toolTip()), path);

    bool renameShown = false;
    answerDialog([&](StructureDialog &dialog) {
        renameShown = shownAsWritten(dialog.promptLabel(), name) && dialog.nameEdit()->text() == name;
    });
    action("Rename2")->trigger();
    EXPECT_TRUE(renameShown);

    QString deleteTip;
    bool deleteShown = false;
    answerDialog([&](StructureDialog &dialog) {
        auto *label2 = dialog.findChild<QLabel *>(QStringLiteral("Label2"));
        deleteShown = shownAsWritten(label2, path);
        deleteTip = label2->toolTip();
    });
    action("Delete2")->trigger();
    EXPECT_TRUE(deleteShown);
    EXPECT_EQ(tipReads(deleteTip), path);
}

// A new structure selects the first node of its name in tree order, which
// may be a namesake in an earlier branch; the dialog keeps the name typed.
TEST_F(ProjectDialogs, NewSubCreatesInsideTheSelectedNodeAndSelectsTheFirstNamesake)
{
    start({QStringLiteral("Alpha/Design"), QStringLiteral("Beta")});
    select(QStringLiteral("Beta"));
    answerDialog([](StructureDialog &dialog) {
        EXPECT_TRUE(dialog.nameEdit()->text().isEmpty());
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
        keptText = dialog.nameEdit()->text();
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
        EXPECT_EQ(dialog.promptLabel()->text(), QStringLiteral("Alpha"));
        EXPECT_EQ(dialog.nameEdit()->text(), QStringLiteral("Alpha"));
        // A dot name would leave the project and its notes unreachable.
        for (const QString &name : {QStringLiteral("Alpha"), QStringLiteral(".Alpha"), QStringLiteral("Gamma")}) {
            if (confirmWith(dialog, name))
                closedAfter << name;
        }
    });
    action("Rename2")->trigger();
    EXPECT_EQ(closedAfter, QStringList{QStringLiteral("Gamma")});
    EXPECT_EQ(messageTexts(QStringLiteral("notice")), QStringList{QStringLiteral("Incorrect name, input another...")});
    EXPECT_EQ(messageTexts(QStringLiteral("bare")), QStringList{QStringLiteral("Incorrect name, input another...")});
    EXPECT_FALSE(QFileInfo::exists(group(QStringLiteral(".Alpha"))));
    EXPECT_FALSE(QFileInfo::exists(group(QStringLiteral("Alpha"))));
    EXPECT_TRUE(QFileInfo(group(QStringLiteral("Gamma/Design"))).isDir());
    EXPECT_TRUE(noteExists(QStringLiteral("Gamma")));
    EXPECT_EQ(tree()->currentItem(), node(QStringLiteral("Gamma")));
    EXPECT_EQ(label11(), QStringLiteral("Projects Group\\Gamma\\"));
}

// Deleting moves the structure to the desktop's trash and selects the first
// node labelled like the parent, perhaps a namesake earlier in the tree.
TEST_F(ProjectDialogs, DeleteMovesTheStructureToTheTrashAndSelectsByTheParentsLabel)
{
    start({QStringLiteral("Alpha/Shared"), QStringLiteral("Beta/Shared/Old")});
    dir.write(QStringLiteral("Projects Group/Beta/Shared/Old/locked.txt"), "x");
    QFile::setPermissions(group(QStringLiteral("Beta/Shared/Old/locked.txt")), QFile::ReadOwner);
    select(QStringLiteral("Old"));
    QString shownPath;
    answerDialog([&](StructureDialog &dialog) {
        shownPath = dialog.findChild<QLabel *>(QStringLiteral("Label2"))->text();
        dialog.confirmButton()->click();
    });
    projects().worklist().deleteButton()->click();
    EXPECT_EQ(shownPath, QStringLiteral("Projects Group\\Beta\\Shared\\Old\\"));
    EXPECT_FALSE(QFileInfo::exists(group(QStringLiteral("Beta/Shared/Old"))));
    EXPECT_EQ(platform.trashFake.trashed, QStringList{group(QStringLiteral("Beta/Shared/Old"))});
    EXPECT_TRUE(QFileInfo::exists(platform.trashFake.bin() + QStringLiteral("/0-Old/locked.txt")));
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(tree()->currentItem(), node(QStringLiteral("Shared")));
    EXPECT_EQ(label11(), QStringLiteral("Projects Group\\Alpha\\Shared\\"));

    select(QStringLiteral("Beta"));
    answerDialog([](StructureDialog &dialog) { dialog.confirmButton()->click(); });
    action("Delete2")->trigger();
    EXPECT_FALSE(QFileInfo::exists(group(QStringLiteral("Beta"))));
    EXPECT_EQ(tree()->currentItem(), tree()->topLevelItem(0));
    EXPECT_EQ(label11(), QStringLiteral("Projects Group\\"));
}

// A move the trash refuses leaves everything in place and says why, once.
TEST_F(ProjectDialogs, DeleteTheTrashRefusesIsToldOnceAndKeepsTheStructure)
{
    start({QStringLiteral("Alpha/Design"), QStringLiteral("Beta")});
    platform.trashFake.refusal = QStringLiteral("Read-only file system");
    select(QStringLiteral("Alpha"));
    answerDialog([](StructureDialog &dialog) { dialog.confirmButton()->click(); });
    action("Delete2")->trigger();
    EXPECT_EQ(messages.texts(), QStringList{u"Sorry, can not remove folder: " + group(QStringLiteral("Alpha/"))
                                            + u"\nRead-only file system"});
    EXPECT_EQ(messages.shown.constFirst().kind, QStringLiteral("notice"));
    EXPECT_TRUE(QFileInfo(group(QStringLiteral("Alpha/Design"))).isDir());
    EXPECT_EQ(treeLines(), (QStringList{QStringLiteral("Projects Group@0"), QStringLiteral("Alpha@1"),
                                        QStringLiteral("Design@2"), QStringLiteral("Beta@1")}));
}

TEST_F(ProjectDialogs, CancelAndEscapeChangeNothing)
{
    start({QStringLiteral("Alpha")});
    select(QStringLiteral("Alpha"));
    answerDialog([](StructureDialog &dialog) {
        dialog.nameEdit()->setText(QStringLiteral("Gamma"));
        dialog.cancelButton()->click();
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
    EXPECT_TRUE(dialog->confirmButton()->isDefault());
    EXPECT_GT(dialog->cancelButton()->x(), dialog->confirmButton()->x()); // "Cancel" rightmost
    dialog->show();
    dialog->nameEdit()->setFocus();
    dialog->nameEdit()->setText(QStringLiteral("Проект"));
    QTest::keyClick(dialog->nameEdit(), Qt::Key_Return);
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
