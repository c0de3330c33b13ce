#pragma once
#include <QObject>

class QLabel;

namespace veltrano {

class ProjectNotePage;
class TMainForm;
class WorklistPanel;
enum class Page;

// The projects' share of the main window: the worklist beside the pages, the
// Projects page with the note, and the Contacts page with its counts.
class ProjectsFeature final : public QObject {
    Q_OBJECT
public:
    explicit ProjectsFeature(TMainForm &main);

    WorklistPanel &worklist() const { return *m_worklist; }
    ProjectNotePage &notePage() const { return *m_notePage; }
    // The Contacts page's `Label14`, whose text the to-do window keeps.
    QLabel *toDoCountLabel() const { return m_label14; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *createTheContactsPage();
    void pageChosen(Page page);
    void FormShow();

    TMainForm &m_main;
    WorklistPanel *m_worklist = nullptr;
    ProjectNotePage *m_notePage = nullptr;
    QLabel *m_label14 = nullptr;
};

} // namespace veltrano
