#pragma once
#include "rtf/RtfReader.h"
#include "projects/ui/ProjectNotePage.h"
#include "projects/ui/ProjectsFeature.h"
#include "projects/ui/StructureDialog.h"
#include "projects/ui/WorklistPanel.h"
#include "support/AssembledProgram.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QTest>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolButton>
#include <QTreeWidget>
#include <functional>

namespace veltrano::test {

// Types `text` into `target` key by key, any script (QTest's own typing
// knows only ASCII).
inline void typeInto(QWidget *target, const QString &text)
{
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(target, &release);
    }
}

// The assembled program with folders of projects under its data folder.
class ProjectsWindow : public AssembledProgram {
protected:
    // Creates the program over these folders (below "Projects Group") and
    // shows it, which builds the tree.
    MainWindow &start(const QStringList &folders = {})
    {
        for (const QString &folder : folders)
            QDir().mkpath(group(folder));
        MainWindow &form = create();
        form.show();
        return form;
    }
    QString group(const QString &relative = {}) const { return dir.file(u"Projects Group/" + relative); }

    QTreeWidget *tree() const { return widget<QTreeWidget>("TreeViewProjects"); }
    QTextEdit *editor() const { return projects().notePage().editor(); }
    QString label11() const { return widget<QLabel>("Label11")->text(); }
    ProjectsFeature &projects() const { return program->projects(); }

    // "label@level" for every node in tree order.
    QStringList treeLines() const
    {
        QStringList lines;
        const std::function<void(QTreeWidgetItem *, int)> walk = [&](QTreeWidgetItem *node, int level) {
            lines << node->text(0) + u'@' + QString::number(level);
            for (int i = 0; i < node->childCount(); ++i)
                walk(node->child(i), level + 1);
        };
        for (int i = 0; i < tree()->topLevelItemCount(); ++i)
            walk(tree()->topLevelItem(i), 0);
        return lines;
    }
    // The first node in tree order with this label.
    QTreeWidgetItem *node(const QString &label) const
    {
        const QList<QTreeWidgetItem *> found =
            tree()->findItems(label, Qt::MatchExactly | Qt::MatchCaseSensitive | Qt::MatchRecursive);
        EXPECT_FALSE(found.isEmpty()) << label.toStdString();
        return found.value(0);
    }
    // Selects as a click would: the node becomes current and selected.
    void select(const QString &label) const { tree()->setCurrentItem(node(label)); }
    void clickNode(const QString &label) const
    {
        const QRect rect = tree()->visualItemRect(node(label));
        QTest::mouseClick(tree()->viewport(), Qt::LeftButton, {}, rect.center());
    }

    // The text of a note on disk, as the program would load it.
    QString noteOnDisk(const QString &folder) const
    {
        QTextDocument doc;
        const QByteArray bytes = dir.read(u"Projects Group/" + folder + u"/note.rtf");
        EXPECT_TRUE(readRtf(bytes, doc)) << folder.toStdString();
        return doc.toPlainText();
    }
    bool noteExists(const QString &folder) const { return QFileInfo::exists(group(folder + u"/note.rtf")); }

    // Answers the next dialog: `work` fills and clicks it as a user would.
    void answerDialog(const std::function<void(StructureDialog &)> &work)
    {
        dialogs.answer = [work](QDialog &dialog) { work(static_cast<StructureDialog &>(dialog)); };
    }
    QStringList messageTexts(const QString &kind) const
    {
        QStringList texts;
        for (const auto &shown : messages.shown) {
            if (shown.kind == kind)
                texts << shown.text;
        }
        return texts;
    }
};

} // namespace veltrano::test
