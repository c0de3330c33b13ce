#include "projects/ui/ProjectNotePage.h"

#include "common/ui/AppPictures.h"
#include "common/ui/Hints.h"
#include "projects/ui/ElidedLabel.h"

#include <QAction>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace veltrano {

ProjectNotePage::ProjectNotePage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ProjectNotePage"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_editor = named(new QTextEdit(this), "RichEditProjectNote");
    m_editor->setAccessibleName(QStringLiteral("Project note"));
    // The user's notes keep the full typography the interface goes without.
    QFont noteFont = m_editor->font();
    noteFont.setStyleStrategy(QFont::PreferDefault);
    m_editor->setFont(noteFont);
    createToolBar();
    m_editor->setAcceptRichText(true);
    m_editor->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_editor->setPlainText(QStringLiteral("Project Info... :)"));
    layout->addWidget(m_editor, 1);
    layout->addWidget(createProjectInfo());
    createPopupMenu();
    setEditable(false);
}

void ProjectNotePage::createToolBar()
{
    auto *bar = named(new QToolBar(this), "ToolBarNotePad");
    bar->setIconSize(QSize(16, 16));
    struct NoteButton {
        const char *name;
        NotePadPicture picture;
        const char *hint;
        bool separatorBefore;
        bool changesNote;
        void (QTextEdit::*edit)(); // what the button does to the note at once
    };
    const NoteButton buttons[] = {
        {"ToolButton11", NotePadPicture::Clear, "Clear|Cleans all text", true, true, nullptr},
        {"ToolButton26", NotePadPicture::Print, "Print...|Shows print dialog", true, false, nullptr},
        {"ToolButton28", NotePadPicture::Undo, "Undo|Undo last event", true, true, &QTextEdit::undo},
        {"ToolButton6", NotePadPicture::Cut, "Cut|Cut selected text to clipboard", true, true, &QTextEdit::cut},
        {"ToolButton9", NotePadPicture::Copy, "Copy|Copy selected text to clipboard", false, false, &QTextEdit::copy},
        {"ToolButton10", NotePadPicture::Paste, "Paste|Paste text from clipboard", false, true, &QTextEdit::paste},
        {"ToolButton13", NotePadPicture::DateTime, "Date/Time|Paste date and time to the end of this note", true,
         true, nullptr},
        {"ToolButton29", NotePadPicture::Font, "Change font|Shows change font dialog", false, true, nullptr}};
    for (const NoteButton &entry : buttons) {
        if (entry.separatorBefore)
            bar->addSeparator();
        auto *button = named(new QToolButton(bar), entry.name);
        button->setIcon(notePadPicture(entry.picture));
        button->setAutoRaise(true);
        setHint(button, QString::fromUtf8(entry.hint));
        button->setAccessibleName(button->toolTip());
        bar->addWidget(button);
        if (entry.edit)
            connect(button, &QToolButton::clicked, m_editor, entry.edit);
        if (entry.changesNote)
            m_editingButtons << button;
    }
    // Qt's button for the buttons that do not fit has no name of its own.
    if (auto *more = bar->findChild<QToolButton *>(QStringLiteral("qt_toolbar_ext_button"))) {
        more->setAccessibleName(QStringLiteral("More note tools"));
        more->setToolTip(more->accessibleName());
    }
    m_clearButton = bar->findChild<QToolButton *>(QStringLiteral("ToolButton11"));
    m_printButton = bar->findChild<QToolButton *>(QStringLiteral("ToolButton26"));
    m_dateTimeButton = bar->findChild<QToolButton *>(QStringLiteral("ToolButton13"));
    m_fontButton = bar->findChild<QToolButton *>(QStringLiteral("ToolButton29"));
    layout()->addWidget(bar);
}

void ProjectNotePage::createPopupMenu()
{
    auto *menu = named(new QMenu(this), "PopupMenuForRichEdit");
    const auto add = [this, menu](const char *name, const char *caption, int key, void (QTextEdit::*edit)()) {
        QAction *item = makeAction(menu, name, QString::fromUtf8(caption), {}, QKeySequence(Qt::CTRL | key));
        menu->addAction(item);
        connect(item, &QAction::triggered, m_editor, edit);
        return item;
    };
    m_editingItems << add("Undo1", "Undo", Qt::Key_Z, &QTextEdit::undo);
    menu->addSeparator()->setObjectName(QStringLiteral("N43"));
    m_editingItems << add("Cut1", "Cut", Qt::Key_X, &QTextEdit::cut);
    add("Copy1", "Copy", Qt::Key_C, &QTextEdit::copy);
    m_editingItems << add("Paste1", "Paste", Qt::Key_V, &QTextEdit::paste);
    menu->addSeparator()->setObjectName(QStringLiteral("N44"));
    add("SelectAll1", "Select All", Qt::Key_A, &QTextEdit::selectAll);
    attachContextMenu(m_editor, menu);
}

QWidget *ProjectNotePage::createProjectInfo()
{
    auto *info = named(new QWidget(this), "PanelProjectInfo");
    info->setFixedHeight(17);
    auto *row = new QHBoxLayout(info);
    row->setContentsMargins(4, 0, 4, 0);
    row->setSpacing(6);
    row->addWidget(named(new QLabel(QStringLiteral("Current Project:"), info), "Label12"));
    m_currentProject = named(new ElidedLabel(QStringLiteral("..."), info), "Label11");
    m_currentProject->setMouseTracking(true);
    m_currentProject->installEventFilter(this);
    row->addWidget(m_currentProject, 1);
    // A link is read out as one by a screen reader, and takes the keyboard.
    m_otherVersion = named(new QLabel(u"<a href=\"open\">" + QString::fromUtf16(kOtherVersionLinkText) + u"</a>", info),
                           "LabelOtherVersion");
    m_otherVersion->setAccessibleName(QString::fromUtf16(kOtherVersionLinkText));
    m_otherVersion->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    m_otherVersion->hide();
    row->addWidget(m_otherVersion);
    return info;
}

void ProjectNotePage::setEditable(bool editable)
{
    m_editor->setReadOnly(!editable);
    for (QWidget *button : std::as_const(m_editingButtons))
        button->setEnabled(editable);
    for (QAction *item : std::as_const(m_editingItems))
        item->setEnabled(editable);
}

void ProjectNotePage::onCurrentProjectHovered()
{
    // A long project path can be read in full from the hint.
    m_currentProject->setToolTip(PlainToolTip(m_currentProject->text()));
    m_currentProject->setStatusTip(m_currentProject->text());
}

bool ProjectNotePage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_currentProject && event->type() == QEvent::MouseMove)
        onCurrentProjectHovered();
    return QWidget::eventFilter(watched, event);
}

} // namespace veltrano
