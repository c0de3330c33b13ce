#include "projects/ui/ProjectsFeature.h"

#include "app/ui/Main.h"
#include "common/ui/Hints.h"
#include "projects/ui/ProjectNotePage.h"
#include "projects/ui/WorklistPanel.h"

#include <QAction>
#include <QLabel>
#include <QMouseEvent>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace veltrano {

ProjectsFeature::ProjectsFeature(TMainForm &main) : QObject(&main), m_main(main)
{
    setObjectName(QStringLiteral("ProjectsFeature"));
    m_worklist = new WorklistPanel;
    main.setSidePanelContent(m_worklist);
    m_notePage = new ProjectNotePage;
    main.setPageContent(Page::Projects, m_notePage);
    main.setPageContent(Page::TheContacts, createTheContactsPage());

    connect(&main, &TMainForm::pageChosen, this, &ProjectsFeature::pageChosen);
    connect(&main, &TMainForm::showing, this, &ProjectsFeature::FormShow);
}

QWidget *ProjectsFeature::createTheContactsPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    m_label14 = named(new QLabel(QStringLiteral("Common To-Does :"), page), "Label14");
    m_label14->setCursor(Qt::PointingHandCursor);
    m_label14->installEventFilter(this);
    layout->addWidget(m_label14);
    layout->addWidget(named(new QLabel(QStringLiteral("Draft items"), page), "LabelDraftItems"));
    layout->addWidget(named(new QLabel(QStringLiteral("Projects . . . 0"), page), "Label10"));
    layout->addStretch(1);
    return page;
}

// The Worklist, Planner and Notelist items also turn the worklist to their
// own page; the Worklist item then hands the tree the focus.
void ProjectsFeature::pageChosen(Page page)
{
    switch (page) {
    case Page::Projects:
        m_worklist->setCurrentIndex(WorklistPanel::SheetProjList);
        m_worklist->tree()->setFocus();
        break;
    case Page::TheContacts:
        m_worklist->setCurrentIndex(WorklistPanel::SheetPlanner);
        break;
    case Page::Notelist:
        m_worklist->setCurrentIndex(WorklistPanel::SheetNotelist);
        break;
    default:
        break;
    }
}

void ProjectsFeature::FormShow()
{
    if (m_worklist->currentIndex() == WorklistPanel::SheetProjList)
        m_worklist->tree()->setFocus();
}

bool ProjectsFeature::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_label14 && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
        m_main.command(Command::FastToDoListShow)->trigger();
    return QObject::eventFilter(watched, event);
}

} // namespace veltrano
