#pragma once
#include <QWidget>

class QLabel;
class QTextEdit;

namespace veltrano {

// The Projects page: the note tool bar `ToolBarNotePad`, the project note
// `RichEditProjectNote` with its menu, and the current-project line.
class ProjectNotePage final : public QWidget {
    Q_OBJECT
public:
    explicit ProjectNotePage(QWidget *parent = nullptr);

    QTextEdit *editor() const { return m_editor; }
    QLabel *currentProject() const { return m_label11; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createToolBar();
    void createPopupMenu();
    QWidget *createProjectInfo();
    void Label11MouseMove();

    QTextEdit *m_editor = nullptr;
    QLabel *m_label11 = nullptr;
};

} // namespace veltrano
