#include "app/ui/OptionsDialog.h"

#include "common/ui/Hints.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
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
constexpr int kOpaque = 255;
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

OptionsDialog::OptionsDialog(SettingsStore &settings, OptionsValues &values)
    : SmallDialog("Configuration", QString::fromUtf16(kConfigurationCaption), kConfigurationClientSize),
      m_settings(settings), m_values(values)
{
    QFont small = font();
    small.setPixelSize(kFontPixels);
    setFont(small);
    createControls();
}

void OptionsDialog::createControls()
{
    auto *layout = column(this, 8, 8);
    auto *body = new QHBoxLayout;
    body->setSpacing(8);
    m_pageChooser = named(new QTreeWidget(this), "TreeView1");
    m_pageChooser->setAccessibleName(QStringLiteral("Pages"));
    m_pageChooser->setHeaderHidden(true);
    m_pageChooser->setRootIsDecorated(false);
    m_pageChooser->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pageChooser->setFixedWidth(76);
    m_pageChooser->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pageChooser->addTopLevelItems({new QTreeWidgetItem({QStringLiteral("Common")}),
                                   new QTreeWidgetItem({QStringLiteral("To-Does")})});
    connect(m_pageChooser, &QTreeWidget::currentItemChanged, this, &OptionsDialog::showChosenPage);
    body->addWidget(m_pageChooser);

    m_pageControl = named(new QTabWidget(this), "PageControl");
    m_pageControl->addTab(createCommonPage(), QStringLiteral("Common"));
    m_pageControl->addTab(createToDoesPage(), QStringLiteral("To-Does"));
    m_pageControl->tabBar()->setFocusPolicy(Qt::NoFocus);
    m_pageControl->setTabVisible(kPageTab[ToDoesNode], false);
    body->addWidget(m_pageControl, 1);
    layout->addLayout(body, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto *ok = named(new QPushButton(QStringLiteral("OK"), this), "OK");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &OptionsDialog::onOk);
    auto *cancel = named(new QPushButton(QStringLiteral("Cancel"), this), "CancelButton");
    connect(cancel, &QPushButton::clicked, this, &OptionsDialog::onCancel);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    fillControls();
    bindBox(m_toDoListMemory, &OptionsValues::setToDoPos);
    bindBox(m_saveMainPosition, &OptionsValues::setSaveWinPos);
    bindBox(m_saveMainSize, &OptionsValues::setSaveWinSize);
    bindBox(m_saveClockPosition, &OptionsValues::setClockPosition);
    bindBox(m_toDoAutostart, &OptionsValues::setToDoAutostart);
    bindBox(m_toDoAlpha, &OptionsValues::setToDoAlpha);
    connect(m_trackBarToDo, &QSlider::valueChanged, &m_values, &OptionsValues::setToDoAlphaPos);
    connect(&m_values, &OptionsValues::changed, this, &OptionsDialog::fillControls);
}

void OptionsDialog::bindBox(QCheckBox *box, void (OptionsValues::*set)(bool))
{
    connect(box, &QCheckBox::toggled, &m_values, set);
}

// Signals blocked: the values shown are held already and have acted.
void OptionsDialog::fillControls()
{
    const ConfigurationValues &values = m_values.values();
    const auto set = [](QCheckBox *box, bool on) {
        const QSignalBlocker quiet(box);
        box->setChecked(on);
    };
    set(m_toDoListMemory, values.toDoPos);
    set(m_toDoAlpha, values.toDoAlpha);
    set(m_saveMainPosition, values.saveWinPos);
    set(m_saveMainSize, values.saveWinSize);
    set(m_saveClockPosition, values.clockPosition);
    set(m_toDoAutostart, values.toDoAutostart);
    const QSignalBlocker quiet(m_trackBarToDo);
    m_trackBarToDo->setValue(values.toDoAlphaPos);
}

QWidget *OptionsDialog::createCommonPage()
{
    auto *page = named(new QWidget, "Common");
    auto *layout = column(page, 6, 6);
    QVBoxLayout *mainWindow = group(page, layout, "GroupBox1", QStringLiteral("Main window settings"));
    m_saveMainPosition = checkBox(page, "CheckBox1", QStringLiteral("Save window position"));
    m_saveMainSize = checkBox(page, "CheckBox2", QStringLiteral("Save window size"));
    mainWindow->addWidget(m_saveMainPosition);
    mainWindow->addWidget(m_saveMainSize);
    QVBoxLayout *clock = group(page, layout, "GroupBox2", QStringLiteral("Deduvi Clock"));
    m_saveClockPosition = checkBox(page, "CheckBoxSaveDeduviPosition", QStringLiteral("Save window position"));
    clock->addWidget(m_saveClockPosition);
    layout->addStretch(1);
    return page;
}

QWidget *OptionsDialog::createToDoesPage()
{
    auto *page = named(new QWidget, "TabSheetCommon");
    auto *layout = column(page, 6, 6);
    QVBoxLayout *rows = group(page, layout, "GroupBox3", QStringLiteral("Common To-Do List"));
    m_toDoListMemory = checkBox(page, "CheckBoxToDoListMemory", QStringLiteral("Save To-Do List position"));
    m_toDoAlpha = checkBox(page, "CheckBoxToDoAlpha", QStringLiteral("To-Do List alpha"));
    auto *blending = named(new QLabel(QStringLiteral("To-Do List Blending:"), page), "Label1");

    auto *slider = new QHBoxLayout;
    slider->setSpacing(4);
    m_trackBarToDo = named(new QSlider(Qt::Horizontal, page), "TrackBarToDo");
    m_trackBarToDo->setRange(0, kOpaque);
    m_trackBarToDo->setTickPosition(QSlider::NoTicks);
    m_trackBarToDo->setAccessibleName(QStringLiteral("To-Do List Blending"));
    blending->setBuddy(m_trackBarToDo);
    auto *show = named(new QToolButton(page), "SpeedButton1");
    show->setText(QStringLiteral(">>"));
    show->setToolTip(QStringLiteral("Show the To-Do List"));
    show->setAccessibleName(QStringLiteral("Show the To-Do List"));
    connect(show, &QToolButton::clicked, this, &OptionsDialog::toDoWindowWanted);
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

void OptionsDialog::choosePage(Node node)
{
    m_pageChooser->setCurrentItem(m_pageChooser->topLevelItem(node));
}

void OptionsDialog::showEvent(QShowEvent *event)
{
    SmallDialog::showEvent(event);
    if (event->spontaneous())
        return;
    m_values.load(m_settings);
    showChosenPage();
    m_pageChooser->setFocus(Qt::OtherFocusReason);
}

void OptionsDialog::showChosenPage()
{
    const QTreeWidgetItem *node = m_pageChooser->currentItem();
    if (!node)
        return;
    const int index = m_pageChooser->indexOfTopLevelItem(const_cast<QTreeWidgetItem *>(node));
    if (index < 0 || index >= int(std::size(kPageTab)))
        return;
    for (const int tab : kPageTab)
        m_pageControl->setTabVisible(tab, false);
    m_pageControl->setTabVisible(kPageTab[index], true);
    m_pageControl->setCurrentIndex(kPageTab[index]);
}

void OptionsDialog::onOk()
{
    accept();
    m_values.save(m_settings);
}

void OptionsDialog::onCancel()
{
    reject();
}

void OptionsDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        onCancel();
    else
        QDialog::keyPressEvent(event);
}

} // namespace veltrano
