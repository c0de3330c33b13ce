#include "support/AssembledProgram.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace veltrano;
using namespace veltrano::test;

namespace {

// What a screen reader announces by role alone when the name is missing:
// controls a user works with.
bool isControl(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ButtonDropDown:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropGrid:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::SpinBox:
    case QAccessible::Slider:
    case QAccessible::Dial:
    case QAccessible::List:
    case QAccessible::Tree:
    case QAccessible::Table:
        return true;
    default:
        return false;
    }
}

// A picture that answers clicks (the panel menu's items) is a control too.
bool isClickablePicture(const QWidget &widget)
{
    const auto *label = qobject_cast<const QLabel *>(&widget);
    return label && label->text().isEmpty() && widget.cursor().shape() == Qt::PointingHandCursor;
}

bool isWindowWithCaption(const QWidget &window)
{
    switch (window.windowType()) {
    case Qt::Window:
    case Qt::Dialog:
    case Qt::Tool:
    case Qt::Sheet:
    case Qt::Drawer:
        return true;
    default:
        return false; // pop-up menus, tool tips, balloons
    }
}

QString describe(const QWidget &widget)
{
    const QWidget *window = widget.window();
    return QStringLiteral("%1 %2 in %3").arg(QLatin1String(widget.metaObject()->className()), widget.objectName(),
                                             window->objectName());
}

QStringList namelessIn(QWidget &window)
{
    QStringList nameless;
    if (isWindowWithCaption(window) && window.windowTitle().isEmpty())
        nameless << QStringLiteral("window without caption: ") + describe(window);
    for (QWidget *widget : window.findChildren<QWidget *>()) {
        // Qt's own parts (extension buttons, a spin box's line, a table's
        // corner) are named through their owner; windows are walked on their own.
        if (widget->isWindow() || widget->objectName().startsWith(QLatin1String("qt_"))
            || widget->inherits("QTableCornerButton"))
            continue;
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
        if (!face || !(isControl(face->role()) || isClickablePicture(*widget)))
            continue;
        if (face->text(QAccessible::Name).trimmed().isEmpty())
            nameless << QStringLiteral("control without name: ") + describe(*widget);
    }
    return nameless;
}

class AccessibleNames : public AssembledProgram {};

} // namespace

// Every window the program can show: each control that shows no text carries
// a name a screen reader can say, and each window its caption.
TEST_F(AccessibleNames, EveryControlAndWindowOfTheProgramIsNamed)
{
    create();
    showStarted(); // tray menu and the like
    makeEveryWindow();
    QStringList nameless;
    int windows = 0;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        window->ensurePolished();
        nameless << namelessIn(*window);
        ++windows;
    }
    EXPECT_GE(windows, 18); // the main window and every window it can open
    EXPECT_TRUE(nameless.isEmpty()) << nameless.join(u'\n').toStdString();
}

TEST_F(AccessibleNames, PictureButtonsSayTheShortPartOfTheirHint)
{
    create();
    const auto nameOf = [this](const char *name) {
        return QAccessible::queryAccessibleInterface(widget(name))->text(QAccessible::Name);
    };
    EXPECT_EQ(nameOf("ToolButtonToDoSgow"), QStringLiteral("To-Do List..."));
    EXPECT_EQ(nameOf("ToolButton8"), QStringLiteral("Open calculator..."));
    EXPECT_EQ(nameOf("SpeedButtonConsole"), QStringLiteral("Console..."));
    // A button with a caption is read by its caption.
    EXPECT_EQ(nameOf("SpeedButtonHide"), QStringLiteral("Hide"));
    EXPECT_EQ(nameOf("Image6"), QStringLiteral("Wake Up!"));
}
