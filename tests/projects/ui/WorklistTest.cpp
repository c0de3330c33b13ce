// The project tree on the Worklist page: read from the folders at every
// showing, drawn with its selection, and selecting or clicking a node loads
// its note.
#include "ProjectsWindow.h"

#include "projects/ui/TreeItemDrawing.h"
#include "projects/ui/WorklistHeader.h"

#include <QContextMenuEvent>
#include <QFile>
#include <QFontDatabase>
#include <QImage>
#include <QMenu>
#include <QSignalSpy>
#include <QSplitter>
#include <QTabWidget>
#include <gtest/gtest.h>

using namespace veltrano;
using namespace veltrano::test;

namespace {

using Worklist = ProjectsWindow;

void rightClick(QWidget *viewport, QPoint at)
{
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, viewport->mapToGlobal(at));
    QApplication::sendEvent(viewport, &event);
}

// Pixels darker than mid grey in `area`: how much ink a label leaves.
int inkIn(const QImage &image, const QRect &area)
{
    int ink = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            ink += qGray(image.pixel(x, y)) < 128;
    }
    return ink;
}

} // namespace

TEST_F(Worklist, TreeIsReadFromTheFoldersFullyExpandedWithALevelPictureEach)
{
    QDir().mkpath(group(QStringLiteral(".hidden")));
    dir.write(QStringLiteral("Projects Group/readme.txt"), "not a structure");
    const QString deep = QStringLiteral("L1/L2/L3/L4/L5/L6/L7");
    start({QStringLiteral("Alpha/Design/Draft"), QStringLiteral("Beta"), deep});
    EXPECT_EQ(treeLines().mid(0, 5), (QStringList{QStringLiteral("Projects Group@0"), QStringLiteral("Alpha@1"),
                                                  QStringLiteral("Design@2"), QStringLiteral("Draft@3"),
                                                  QStringLiteral("Beta@1")}));
    EXPECT_EQ(treeLines().size(), 5 + 7);
    EXPECT_EQ(widget<QLabel>("Label10")->text(), QStringLiteral("Projects . . . 3"));
    for (QTreeWidgetItem *item : tree()->findItems(QStringLiteral("*"), Qt::MatchWildcard | Qt::MatchRecursive)) {
        EXPECT_TRUE(item->childCount() == 0 || item->isExpanded()) << item->text(0).toStdString();
        EXPECT_EQ(item->icon(0).isNull(), item->text(0) == u"L7") << item->text(0).toStdString(); // level 7: none
    }
}

// Before the first showing the tree holds the flat start-up listing.
TEST_F(Worklist, StartupListingIsFlatUntilTheFirstShowing)
{
    QDir().mkpath(group(QStringLiteral("Alpha/Design")));
    create();
    EXPECT_EQ(treeLines(), (QStringList{QStringLiteral("Alpha@0"), QStringLiteral("Design@0")}));
    EXPECT_EQ(widget<QLabel>("Label10")->text(), QStringLiteral("Projects . . . 0"));
}

// Every showing reads the folders again; the note shown stays.
TEST_F(Worklist, ShowingAgainReadsTheFoldersAndKeepsTheNote)
{
    start({QStringLiteral("Alpha")});
    select(QStringLiteral("Alpha"));
    QDir().mkpath(group(QStringLiteral("Gamma")));
    main().hide();
    main().show();
    EXPECT_EQ(treeLines(), (QStringList{QStringLiteral("Projects Group@0"), QStringLiteral("Alpha@1"),
                                        QStringLiteral("Gamma@1")}));
    EXPECT_EQ(tree()->currentItem(), nullptr);
    EXPECT_EQ(label11(), QStringLiteral("Projects Group\\Alpha\\"));
    typeInto(editor(), QStringLiteral("still here"));
    EXPECT_EQ(noteOnDisk(QStringLiteral("Alpha")), QStringLiteral("still here"));

    QDir(group()).removeRecursively();
    main().hide();
    main().show();
    EXPECT_EQ(messageTexts(QStringLiteral("notice")), QStringList{QStringLiteral("Mistake! Tasks files are damaged.")});
    EXPECT_EQ(treeLines().size(), 3); // the tree it had
}

// A rebuild reaches the view as one reset: told of the old rows going and the
// new ones coming, a screen reader drops and asks again about each row it
// knows, once per change, for a tree of thousands of folders. What the view
// shows afterwards is the new tree, fully expanded, nothing selected.
TEST_F(Worklist, RebuildReachesTheViewAsOneResetAndShowsTheNewTree)
{
    start({QStringLiteral("Alpha/Design"), QStringLiteral("Beta")});
    select(QStringLiteral("Design"));
    QDir(group(QStringLiteral("Alpha"))).removeRecursively();
    QDir().mkpath(group(QStringLiteral("Gamma/Plan")));
    QAbstractItemModel *model = tree()->model();
    QSignalSpy inserted(model, &QAbstractItemModel::rowsInserted);
    QSignalSpy removed(model, &QAbstractItemModel::rowsRemoved);
    QSignalSpy reset(model, &QAbstractItemModel::modelReset);
    ASSERT_TRUE(projects().projectManager().RebuildTree());
    EXPECT_EQ(inserted.count() + removed.count() + reset.count(), 0);
    EXPECT_EQ(treeLines(), (QStringList{QStringLiteral("Projects Group@0"), QStringLiteral("Beta@1"),
                                        QStringLiteral("Gamma@1"), QStringLiteral("Plan@2")}));
    EXPECT_EQ(tree()->currentItem(), nullptr);
    EXPECT_TRUE(tree()->selectedItems().isEmpty());
    EXPECT_TRUE(tree()->topLevelItem(0)->child(1)->isExpanded());
    EXPECT_TRUE(projects().projectManager().SelectNodeByLabel(QStringLiteral("Plan")));
    EXPECT_EQ(tree()->currentItem()->text(0), QStringLiteral("Plan"));
}

// Moving from A to B reads A's note again (a note removed meanwhile is made
// anew) before B's; the count and the Projects page come with it.
TEST_F(Worklist, MovingTheSelectionLoadsTheNoteLeftThenTheNewOne)
{
    start({QStringLiteral("Alpha"), QStringLiteral("Beta")});
    select(QStringLiteral("Alpha"));
    QFile::remove(group(QStringLiteral("Alpha/note.rtf")));
    widget<QLabel>("Label10")->setText(QStringLiteral("stale"));
    action("oday1")->trigger();
    select(QStringLiteral("Beta"));
    EXPECT_TRUE(noteExists(QStringLiteral("Alpha")));
    EXPECT_TRUE(noteExists(QStringLiteral("Beta")));
    EXPECT_EQ(label11(), QStringLiteral("Projects Group\\Beta\\"));
    EXPECT_EQ(widget<QLabel>("Label10")->text(), QStringLiteral("Projects . . . 2"));
    EXPECT_EQ(widget<QTabWidget>("PageControlTabManager")->currentWidget()->objectName(),
              QStringLiteral("TabSheetProjects"));
    EXPECT_EQ(main().panelMenuState().selectedItem(), 2u);
}

TEST_F(Worklist, ClickingTheSelectedNodeReadsItsNoteFromDiskAgain)
{
    start({QStringLiteral("Alpha")});
    select(QStringLiteral("Alpha"));
    dir.write(QStringLiteral("Projects Group/Alpha/note.rtf"), "{\\rtf1\\ansi written elsewhere\\par}");
    clickNode(QStringLiteral("Alpha"));
    EXPECT_EQ(editor()->toPlainText(), QStringLiteral("written elsewhere"));
}

TEST_F(Worklist, RightClickSelectsTheNodeUnderTheMouseBeforeTheMenuOpens)
{
    start({QStringLiteral("Alpha"), QStringLiteral("Beta")});
    select(QStringLiteral("Alpha"));
    QMenu *menu = projects().worklist().popupMenu();
    rightClick(tree()->viewport(), tree()->visualItemRect(node(QStringLiteral("Beta"))).center());
    EXPECT_EQ(tree()->currentItem(), node(QStringLiteral("Beta")));
    EXPECT_EQ(label11(), QStringLiteral("Projects Group\\Beta\\"));
    EXPECT_TRUE(menu->isVisible());
    EXPECT_TRUE(projects().worklist().deleteItem()->isEnabled());
    menu->hide();

    rightClick(tree()->viewport(), QPoint(5, tree()->viewport()->height() - 5)); // below the last node
    EXPECT_EQ(tree()->currentItem(), node(QStringLiteral("Beta")));
    menu->hide();
    rightClick(tree()->viewport(), tree()->visualItemRect(node(QStringLiteral("Projects Group"))).center());
    EXPECT_FALSE(projects().worklist().renameItem()->isEnabled());
    EXPECT_FALSE(projects().worklist().deleteItem()->isEnabled());
    menu->hide();
}

// The selected node is drawn bold on cream behind its label; the others
// plain on the window colour.
TEST_F(Worklist, SelectedNodeIsDrawnBoldOnCream)
{
    start({QStringLiteral("Alpha"), QStringLiteral("Beta")});
    QCoreApplication::processEvents();
    const auto labelArea = [this](const QString &label) {
        const QRect row = tree()->visualItemRect(node(label));
        return QRect(row.left() + 20, row.top() + 2, 60, row.height() - 4);
    };
    const auto background = [this](const QImage &image, const QString &label) {
        const QRect row = tree()->visualItemRect(node(label));
        return QColor(image.pixel(row.left() + row.width() * 3 / 4, row.center().y())); // behind no text
    };
    select(QStringLiteral("Alpha"));
    const QImage alphaSelected = tree()->viewport()->grab().toImage();
    select(QStringLiteral("Beta"));
    const QImage betaSelected = tree()->viewport()->grab().toImage();
    EXPECT_EQ(background(alphaSelected, QStringLiteral("Alpha")), TreeItemDrawing::selectedBackground());
    EXPECT_EQ(background(alphaSelected, QStringLiteral("Beta")), tree()->palette().color(QPalette::Base));
    EXPECT_EQ(background(betaSelected, QStringLiteral("Alpha")), tree()->palette().color(QPalette::Base));
    EXPECT_GT(inkIn(alphaSelected, labelArea(QStringLiteral("Alpha"))),
              inkIn(betaSelected, labelArea(QStringLiteral("Alpha"))));
}

// A font of this machine whose bold line is taller than its plain one, if
// there is one (the default font's usually is not).
std::optional<QFont> fontWithTallerBold(int pointSize)
{
    for (const QString &family : QFontDatabase::families()) {
        QFont bold(family, pointSize);
        bold.setBold(true);
        if (QFontMetrics(bold).height() > QFontMetrics(QFont(family, pointSize)).height())
            return QFont(family, pointSize);
    }
    return std::nullopt;
}

// Once a bold label has been drawn, every row is as tall as a bold line, so
// that moving the selection moves no row (with a font whose bold line is
// taller, the rows grow once then).
TEST_F(Worklist, RowsTakeABoldLinesHeightOnceABoldLabelIsDrawn)
{
    start({QStringLiteral("Alpha"), QStringLiteral("Beta")});
    if (const auto taller = fontWithTallerBold(tree()->font().pointSize()))
        tree()->setFont(*taller);
    const auto height = [this](const char *label) { return tree()->visualItemRect(node(QLatin1String(label))).height(); };
    QFont bold = tree()->font();
    bold.setBold(true);
    const int boldRow = height("Alpha") + std::max(0, QFontMetrics(bold).height() - QFontMetrics(tree()->font()).height());
    for (const char *label : {"Alpha", "Beta", "Alpha"}) {
        select(QLatin1String(label));
        tree()->viewport()->grab();
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(height("Alpha"), boldRow);
    EXPECT_EQ(height("Beta"), boldRow);
}

// A narrow worklist drops the pictures of its buttons, then their captions,
// rather than cutting the captions short; a screen reader still hears them.
TEST_F(Worklist, HeaderButtonsGiveUpPicturesThenCaptionsBeforeTheyClip)
{
    start();
    auto *header = widget<WorklistHeader>("PanelWorklistHeader");
    const auto styleAt = [header](int width) {
        header->resize(width, header->height());
        return header->buttonStyle();
    };
    EXPECT_EQ(styleAt(header->sizeHint().width()), Qt::ToolButtonTextBesideIcon);
    EXPECT_EQ(styleAt(header->sizeHint().width() - 10), Qt::ToolButtonTextOnly);
    EXPECT_EQ(styleAt(header->minimumSizeHint().width()), Qt::ToolButtonIconOnly);
    for (const char *name : {"SpeedButton6", "SpeedButton1", "SpeedButton2"}) {
        auto *button = widget<QToolButton>(name);
        EXPECT_FALSE(button->accessibleName().isEmpty()) << name;
        EXPECT_FALSE(button->toolTip().isEmpty()) << name;
        EXPECT_LE(button->geometry().right(), header->width()) << name;
    }
    EXPECT_EQ(widget<QToolButton>("SpeedButton2")->accessibleName(), QStringLiteral("Delete..."));
    EXPECT_EQ(styleAt(header->sizeHint().width()), Qt::ToolButtonTextBesideIcon);
    EXPECT_TRUE(widget<QToolButton>("SpeedButton1")->toolTip().isEmpty());

    // At the smallest main window the buttons fit their bar.
    main().resize(main().minimumSize());
    QCoreApplication::processEvents();
    QToolButton *last = widget<QToolButton>("SpeedButton2");
    EXPECT_LE(last->geometry().right(), header->width());
    EXPECT_GE(last->width(), last->sizeHint().width());
}

TEST_F(Worklist, HeaderButtonsActivateTheTreeAndOpenTheDialogs)
{
    start({QStringLiteral("Alpha")});
    select(QStringLiteral("Alpha"));
    editor()->setFocus();
    widget<QToolButton>("SpeedButton6")->click();
    EXPECT_EQ(main().focusWidget(), tree());
    widget<QToolButton>("SpeedButton1")->click();
    widget<QToolButton>("SpeedButton2")->click();
    EXPECT_EQ(dialogs.ran, (QStringList{QStringLiteral("frmNewSub"), QStringLiteral("frmProjectDelete")}));
}
