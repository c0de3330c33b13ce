#include "console/ui/KeymapInfoDialog.h"

#include "common/ui/Hints.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace veltrano {
namespace {

constexpr int kColumnLine = 216;

void addText(QWidget *dialog, const char *name, const QString &text, QPoint at)
{
    auto *label = named(new QLabel(text, dialog), name);
    label->move(at);
    label->adjustSize();
}

} // namespace

KeymapInfoDialog::KeymapInfoDialog() : SmallDialog("frmKeyMap", QString::fromUtf16(kKeyMapCaption), kKeyMapClientSize)
{
    createControls();
}

void KeymapInfoDialog::createControls()
{
    // The words the console knows on the left, the system-wide keys on the right.
    addText(this, "LabelHelpWord", QStringLiteral("\"Help\" - show this window"), {8, 16});
    addText(this, "LabelCloseWords", QStringLiteral("\"Close\" or \"Exit\" - Close program"), {8, 35});
    addText(this, "LabelToDoKey", QStringLiteral("CTRL +  F1 - Calls main To-Do List"), {232, 16});
    addText(this, "LabelClockKey", QStringLiteral("SHIFT + F1 - Calls Deduvi Clock"), {232, 35});

    auto *line = named(new QFrame(this), "Bevel1");
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(kColumnLine, 8, 2, 45);

    auto *ok = named(new QPushButton(QStringLiteral("OK"), this), "Button1");
    ok->setGeometry(176, 61, 75, 25);
    // Enter and Esc both close the box: OK is its default and its cancel.
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &KeymapInfoDialog::closeDialog);
}

void KeymapInfoDialog::closeDialog()
{
    accept();
}

} // namespace veltrano
