#include "app/ui/Conf.h"

#include "app/ui/Main.h"
#include "common/ui/Hints.h"
#include "common/ui/WindowPlacement.h"
#include "common/ui/ModalDialogs.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace veltrano {
namespace {

constexpr int kPageTab[] = {0, 1}; // the tab of each chooser node
constexpr int kFontPixels = 11;

QCheckBox *checkBox(QWidget *parent, const char *name, const QString &caption)
{
    return named(new QCheckBox(caption, parent), name);
}

QVBoxLayout *column(QWidget *owner, int margin, int spacing)
{
    auto *layout = new QVBoxLayout(owner);
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->setSpacing(spacing);
    return layout;
}

// A framed group on a page; its rows go into the column it hands back.
QVBoxLayout *group(QWidget *page, QVBoxLayout *pageColumn, const char *name, const QString &caption)
{
    auto *box = named(new QGroupBox(caption, page), name);
    pageColumn->addWidget(box);
    return column(box, 6, 2);
}

} // namespace

TConfiguration::TConfiguration(TMainForm &main, ConfigurationReactions reactions)
    : QDialog(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                           | Qt::WindowCloseButtonHint),
      m_main(main), m_reactions(std::move(reactions))
{
    setObjectName(QStringLiteral("Configuration"));
    setWindowTitle(QString::fromUtf16(kConfigurationCaption));
    setFixedSize(kConfigurationClientSize);
    QFont small = font();
    small.setPixelSize(kFontPixels);
    setFont(small);
    createControls();
    connect(main.command(Command::ConfigurationFormShow), &QAction::triggered, this,
            &TConfiguration::ConfigurationFormShowExecute);
    FormCreate();
}

void TConfiguration::createControls()
{
    auto *layout = column(this, 8, 8);
    auto *body = new QHBoxLayout;
    body->setSpacing(8);
    m_treeView1 = named(new QTreeWidget(this), "TreeView1");
    m_treeView1->setAccessibleName(QStringLiteral("Pages"));
    m_treeView1->setHeaderHidden(true);
    m_treeView1->setRootIsDecorated(false);
    m_treeView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_treeView1->setFixedWidth(76);
    m_treeView1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_treeView1->addTopLevelItems({new QTreeWidgetItem({QStringLiteral("Common")}),
                                   new QTreeWidgetItem({QStringLiteral("To-Does")})});
    connect(m_treeView1, &QTreeWidget::currentItemChanged, this, &TConfiguration::ChoosePage);
    body->addWidget(m_treeView1);

    m_pageControl = named(new QTabWidget(this), "PageControl");
    m_pageControl->addTab(createCommonPage(), QStringLiteral("Common"));
    m_pageControl->addTab(createToDoesPage(), QStringLiteral("To-Does"));
    m_pageControl->tabBar()->setFocusPolicy(Qt::NoFocus);
    body->addWidget(m_pageControl, 1);
    layout->addLayout(body, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto *ok = named(new QPushButton(QStringLiteral("OK"), this), "OK");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TConfiguration::OKClick);
    auto *cancel = named(new QPushButton(QStringLiteral("Cancel"), this), "CancelButton");
    connect(cancel, &QPushButton::clicked, this, &TConfiguration::CancelButtonClick);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
}

QWidget *TConfiguration::createCommonPage()
{
    auto *page = named(new QWidget, "Common");
    auto *layout = column(page, 6, 6);
    QVBoxLayout *mainWindow = group(page, layout, "GroupBox1", QStringLiteral("Main window settings"));
    m_checkBox1 = checkBox(page, "CheckBox1", QStringLiteral("Save window position"));
    m_checkBox2 = checkBox(page, "CheckBox2", QStringLiteral("Save window size"));
    mainWindow->addWidget(m_checkBox1);
    mainWindow->addWidget(m_checkBox2);
    QVBoxLayout *clock = group(page, layout, "GroupBox2", QStringLiteral("Deduvi Clock"));
    m_saveDeduviPosition = checkBox(page, "CheckBoxSaveDeduviPosition", QStringLiteral("Save window position"));
    clock->addWidget(m_saveDeduviPosition);
    layout->addStretch(1);
    return page;
}

QWidget *TConfiguration::createToDoesPage()
{
    auto *page = named(new QWidget, "TabSheetCommon");
    auto *layout = column(page, 6, 6);
    QVBoxLayout *rows = group(page, layout, "GroupBox3", QStringLiteral("Common To-Do List"));
    m_toDoListMemory = checkBox(page, "CheckBoxToDoListMemory", QStringLiteral("Save To-Do List position"));
    m_toDoAlpha = checkBox(page, "CheckBoxToDoAlpha", QStringLiteral("To-Do List alpha"));
    connect(m_toDoAlpha, &QCheckBox::toggled, this, &TConfiguration::CheckBoxToDoAlphaClick);
    auto *blending = named(new QLabel(QStringLiteral("To-Do List Blending:"), page), "Label1");

    auto *slider = new QHBoxLayout;
    slider->setSpacing(4);
    m_trackBarToDo = named(new QSlider(Qt::Horizontal, page), "TrackBarToDo");
    m_trackBarToDo->setRange(0, 255);
    m_trackBarToDo->setValue(255);
    m_trackBarToDo->setTickPosition(QSlider::NoTicks);
    m_trackBarToDo->setAccessibleName(QStringLiteral("To-Do List Blending"));
    blending->setBuddy(m_trackBarToDo);
    connect(m_trackBarToDo, &QSlider::valueChanged, this, &TConfiguration::TrackBarToDoChange);
    auto *show = named(new QToolButton(page), "SpeedButton1");
    show->setText(QStringLiteral(">>"));
    show->setToolTip(QStringLiteral("Show the To-Do List"));
    show->setAccessibleName(QStringLiteral("Show the To-Do List"));
    connect(show, &QToolButton::clicked, this, &TConfiguration::SpeedButton1Click);
    slider->addWidget(m_trackBarToDo, 1);
    slider->addWidget(show);

    m_toDoAutostart = checkBox(page, "CheckBoxToDoAutostart", QStringLiteral("Show with main form"));
    rows->addWidget(m_toDoListMemory);
    rows->addWidget(m_toDoAlpha);
    rows->addWidget(blending);
    rows->addLayout(slider);
    rows->addWidget(m_toDoAutostart);
    layout->addStretch(1);
    return page;
}

void TConfiguration::FormCreate()
{
    LoadValues();
    m_pageControl->setTabVisible(kPageTab[ToDoesNode], false);
}

void TConfiguration::OpenOnPage(Node node)
{
    m_treeView1->setCurrentItem(m_treeView1->topLevelItem(node));
    m_main.dialogs().exec(*this);
}

void TConfiguration::showEvent(QShowEvent *event)
{
    CentreOnDesktop(*this);
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TConfiguration::FormShow()
{
    LoadValues();
    ChoosePage();
    m_treeView1->setFocus(Qt::OtherFocusReason);
}

// Each control is set in turn; a control that changes runs its reaction, so
// loading already acts on the to-do window's blending.
void TConfiguration::LoadValues()
{
    const ConfigurationValues v = ReadConfigurationValues(m_main.settings());
    m_toDoListMemory->setChecked(v.toDoPos);
    m_toDoAlpha->setChecked(v.toDoAlpha);
    m_trackBarToDo->setValue(v.toDoAlphaPos);
    m_checkBox1->setChecked(v.saveWinPos);
    m_checkBox2->setChecked(v.saveWinSize);
    m_saveDeduviPosition->setChecked(v.clockPosition);
    m_toDoAutostart->setChecked(v.toDoAutostart);
}

void TConfiguration::SaveValues()
{
    ConfigurationValues v;
    v.toDoPos = m_toDoListMemory->isChecked();
    v.toDoAlpha = m_toDoAlpha->isChecked();
    v.toDoAlphaPos = m_trackBarToDo->value();
    v.clockPosition = m_saveDeduviPosition->isChecked();
    v.saveWinPos = m_checkBox1->isChecked();
    v.saveWinSize = m_checkBox2->isChecked();
    v.toDoAutostart = m_toDoAutostart->isChecked();
    WriteConfigurationValues(m_main.settings(), v);
}

void TConfiguration::ChoosePage()
{
    const QTreeWidgetItem *node = m_treeView1->currentItem();
    if (!node)
        return;
    const int index = m_treeView1->indexOfTopLevelItem(const_cast<QTreeWidgetItem *>(node));
    if (index < 0 || index >= int(std::size(kPageTab)))
        return;
    for (const int tab : kPageTab)
        m_pageControl->setTabVisible(tab, false);
    m_pageControl->setTabVisible(kPageTab[index], true);
    m_pageControl->setCurrentIndex(kPageTab[index]);
}

bool TConfiguration::toDoAlpha() const
{
    return m_toDoAlpha->isChecked();
}

int TConfiguration::toDoAlphaPos() const
{
    return m_trackBarToDo->value();
}

void TConfiguration::CheckBoxToDoAlphaClick(bool on)
{
    if (m_reactions.switchToDoBlending)
        m_reactions.switchToDoBlending(on);
}

void TConfiguration::TrackBarToDoChange(int position)
{
    m_toDoAlpha->setChecked(true);
    if (m_reactions.setToDoBlendValue)
        m_reactions.setToDoBlendValue(position);
}

void TConfiguration::SpeedButton1Click()
{
    if (m_reactions.showToDoWindow)
        m_reactions.showToDoWindow();
}

void TConfiguration::OKClick()
{
    accept();
    SaveValues();
}

void TConfiguration::CancelButtonClick()
{
    reject();
}

void TConfiguration::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        CancelButtonClick();
    else
        QDialog::keyPressEvent(event);
}

} // namespace veltrano
