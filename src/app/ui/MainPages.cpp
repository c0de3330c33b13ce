// The pages of the central page control. Their contents belong to the
// features that fill them; here they get their controls and names.
#include "common/ui/AppPictures.h"
#include "common/ui/Hints.h"
#include "app/ui/Main.h"

#include <QAction>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace veltrano {
namespace {

QLabel *label(QWidget *parent, const char *name, const QString &caption)
{
    return named(new QLabel(caption, parent), name);
}

} // namespace

void TMainForm::createPages()
{
    QTabWidget *tabs = m_pageControlTabManager;
    tabs->addTab(createTodayPage(), QStringLiteral("Today"));
    tabs->addTab(createProjectsPage(), QStringLiteral("Projects"));
    tabs->addTab(createTheContactsPage(), QStringLiteral("Contacts"));
    tabs->addTab(named(new QWidget, "TabSheetNotelist"), QStringLiteral("My Page"));
    tabs->addTab(createTasksPage(), QStringLiteral("Wake Up!"));
    tabs->addTab(named(new QWidget, "TabSheetNotes"), QStringLiteral("Notes"));
    tabs->addTab(named(new QWidget, "TabSheetContacts"), QStringLiteral("Contacts"));
}

QWidget *TMainForm::createTodayPage()
{
    auto *page = named(new QWidget, "TabSheetToday");
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    m_stringGrid = named(new QTableWidget(24, 2, page), "StringGrid");
    m_stringGrid->horizontalHeader()->hide();
    m_stringGrid->verticalHeader()->hide();
    m_stringGrid->verticalHeader()->setMinimumSectionSize(1);
    m_stringGrid->verticalHeader()->setDefaultSectionSize(16);
    m_stringGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_stringGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_stringGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_stringGrid->setColumnWidth(0, 50);
    m_stringGrid->setColumnWidth(1, 420);
    layout->addWidget(m_stringGrid);
    return page;
}

QWidget *TMainForm::createProjectsPage()
{
    auto *page = named(new QWidget, "TabSheetProjects");
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto *bar = named(new QToolBar(page), "ToolBarNotePad");
    bar->setIconSize(QSize(16, 16));
    m_richEditProjectNote = named(new QTextEdit(page), "RichEditProjectNote");
    QTextEdit *editor = m_richEditProjectNote;
    struct NoteButton {
        const char *name;
        NotePadPicture picture;
        const char *hint;
        bool separatorBefore;
    };
    const NoteButton buttons[] = {
        {"ToolButton11", NotePadPicture::Clear, "Clear|Cleans all text", true},
        {"ToolButton26", NotePadPicture::Print, "Print...|Shows print dialog", true},
        {"ToolButton28", NotePadPicture::Undo, "Undo|Undo last event", true},
        {"ToolButton6", NotePadPicture::Cut, "Cut|Cut selected text to clipboard", true},
        {"ToolButton9", NotePadPicture::Copy, "Copy|Copy selected text to clipboard", false},
        {"ToolButton10", NotePadPicture::Paste, "Paste|Paste text from clipboard", false},
        {"ToolButton13", NotePadPicture::DateTime, "Date/Time|Paste date and time to the end of this note", true},
        {"ToolButton29", NotePadPicture::Font, "Change font|Shows change font dialog", false}};
    for (const NoteButton &entry : buttons) {
        if (entry.separatorBefore)
            bar->addSeparator();
        auto *button = named(new QToolButton(bar), entry.name);
        button->setIcon(notePadPicture(entry.picture));
        button->setAutoRaise(true);
        setHint(button, QString::fromUtf8(entry.hint));
        bar->addWidget(button);
    }
    // The editing buttons work on the note at once; the others arrive with
    // the note feature.
    const auto wire = [bar, editor](const char *name, void (QTextEdit::*slot)()) {
        connect(bar->findChild<QToolButton *>(QLatin1String(name)), &QToolButton::clicked, editor, slot);
    };
    wire("ToolButton28", &QTextEdit::undo);
    wire("ToolButton6", &QTextEdit::cut);
    wire("ToolButton9", &QTextEdit::copy);
    wire("ToolButton10", &QTextEdit::paste);
    layout->addWidget(bar);

    editor->setAcceptRichText(true);
    editor->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    editor->setPlainText(QStringLiteral("Project Info... :)"));
    layout->addWidget(editor, 1);

    auto *info = named(new QWidget(page), "PanelProjectInfo");
    info->setFixedHeight(17);
    auto *row = new QHBoxLayout(info);
    row->setContentsMargins(4, 0, 4, 0);
    row->setSpacing(6);
    row->addWidget(label(info, "Label12", QStringLiteral("Current Project:")));
    m_label11 = label(info, "Label11", QStringLiteral("..."));
    m_label11->setMouseTracking(true);
    m_label11->installEventFilter(this);
    row->addWidget(m_label11, 1);
    layout->addWidget(info);
    return page;
}

QWidget *TMainForm::createTheContactsPage()
{
    auto *page = named(new QWidget, "TabSheetTheContacts");
    auto *layout = new QVBoxLayout(page);
    QLabel *toDoes = label(page, "Label14", QStringLiteral("Common To-Does :"));
    toDoes->setCursor(Qt::PointingHandCursor);
    toDoes->installEventFilter(this);
    layout->addWidget(toDoes);
    layout->addWidget(label(page, "LabelDraftItems", QStringLiteral("Draft items")));
    layout->addWidget(label(page, "Label10", QStringLiteral("Projects . . . 0")));
    layout->addStretch(1);
    return page;
}

QWidget *TMainForm::createTasksPage()
{
    auto *page = named(new QWidget, "TabSheetTasks");
    m_tabSheetTasks = page;
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(4, 8, 0, 8);
    layout->setSpacing(6);
    const auto bevel = [this, page, layout](const char *name) {
        auto *line = named(new QFrame(page), name);
        line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
        // The resize rule sets the width; the lines never hold the page wide.
        line->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        layout->addWidget(line);
        m_bevels << line;
    };

    m_checkBoxAlarmClock = named(new QCheckBox(QStringLiteral("Enabled"), page), "CheckBoxAlarmClock");
    layout->addWidget(m_checkBoxAlarmClock);
    bevel("Bevel1");
    layout->addWidget(label(page, "Label15", QStringLiteral("DateTime")));
    QLabel *time = label(page, "LabelTime", QStringLiteral("0:00:00"));
    QFont large = time->font();
    large.setPointSizeF(large.pointSizeF() * 2);
    large.setBold(true);
    time->setFont(large);
    layout->addWidget(time);
    bevel("Bevel2");
    layout->addWidget(label(page, "Label13", QStringLiteral("Insert alarm-time")));
    m_maskEditAlarmClock = named(new QLineEdit(page), "MaskEditAlarmClock");
    m_maskEditAlarmClock->setFixedWidth(76);
    layout->addWidget(m_maskEditAlarmClock);
    bevel("Bevel3");
    auto *soundRow = new QHBoxLayout;
    m_editSound = named(new QLineEdit(page), "EditSound");
    m_editSound->setReadOnly(true);
    m_editSound->setFixedWidth(200);
    soundRow->addWidget(m_editSound);
    soundRow->addWidget(named(new QPushButton(QStringLiteral("Sound Folder..."), page), "Button1"));
    soundRow->addStretch(1);
    layout->addLayout(soundRow);
    bevel("Bevel4");
    bevel("Bevel5");
    layout->addStretch(1);
    return page;
}

} // namespace veltrano
