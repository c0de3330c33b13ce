#pragma once
// The program as it runs, on a fake platform (real files) with its data
// folder at `dataFolder`, shown so that the editor and the tree lay out and
// paint as on screen. The platform is the benchmark's, so that it can put a
// disk of its own under the program.
#include "app/ui/Application.h"
#include "app/ui/MainWindow.h"
#include "projects/ui/ProjectNotePage.h"
#include "projects/ui/ProjectsFeature.h"
#include "platform/fake/FakePlatform.h"

#include "QuietSeams.h"

#include <QCoreApplication>
#include <QTextEdit>
#include <QTreeWidget>
#include <memory>

namespace veltrano::bench {

class BenchProgram {
public:
    BenchProgram(FakePlatform &platform, const QString &dataFolder)
    {
        platform.locationsFake.exePath = dataFolder + QStringLiteral("veltrano");
        m_program = std::make_unique<Application>(platform, m_messages, m_dialogs);
        main().resize(780, 590);
        main().show();
        QCoreApplication::processEvents();
    }
    Application &app() const { return *m_program; }
    MainWindow &main() const { return m_program->mainWindow(); }
    QTreeWidget &tree() const { return *main().findChild<QTreeWidget *>(QStringLiteral("TreeViewProjects")); }
    QTextEdit &editor() const { return *m_program->projects().notePage().editor(); }
    void select(const QString &label) const
    {
        tree().setCurrentItem(tree().findItems(label, Qt::MatchExactly | Qt::MatchRecursive).value(0));
    }

private:
    QuietMessages m_messages;
    QuietDialogs m_dialogs;
    std::unique_ptr<Application> m_program;
};

} // namespace veltrano::bench
