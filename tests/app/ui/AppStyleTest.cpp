#include "app/ui/AppStyle.h"
#include "projects/ui/ProjectNotePage.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QTextEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QToolBar>
#include <gtest/gtest.h>

using namespace veltrano;

namespace {

bool imagePluginLoaded()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("/imageformats/");
}

bool hasInk(const QIcon &icon)
{
    const QImage image = icon.pixmap(QSize(16, 16)).toImage();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0)
                return true;
    return false;
}

} // namespace

// The menu bar and tool bars ask the style for their overflow chevron as they
// are made; the style's own picture would load every image-format plugin.
TEST(AppStyle, MainWindowBarsLoadNoImagePluginAndStillShowTheirChevron)
{
    QApplication::setStyle(new AppStyle);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&File"));
    window.addToolBar(QStringLiteral("Tools"))->addAction(QStringLiteral("Run"));
    EXPECT_FALSE(imagePluginLoaded());
    const QStyle *style = QApplication::style();
    EXPECT_TRUE(hasInk(style->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton)));
    EXPECT_TRUE(hasInk(style->standardIcon(QStyle::SP_ToolBarVerticalExtensionButton)));
    // Everything else is the desktop's style.
    EXPECT_FALSE(style->standardIcon(QStyle::SP_DialogOkButton).isNull());
}

// Captions go without OpenType shaping; a note, bold runs and other
// families included, keeps it.
TEST(AppStyle, InterfaceTextGoesUnshapedAndNotesKeepTheirTypography)
{
    const QFont before = QApplication::font();
    useUnshapedInterfaceText();
    const auto unshaped = [](const QFont &font) { return bool(font.styleStrategy() & QFont::PreferNoShaping); };
    EXPECT_TRUE(unshaped(QLabel(QStringLiteral("Worklist")).font()));
    ProjectNotePage page;
    auto *editor = page.findChild<QTextEdit *>(QStringLiteral("RichEditProjectNote"));
    ASSERT_TRUE(editor);
    editor->setHtml(QStringLiteral("<p>Plain <b>bold</b> <span style=\"font-family:serif\">serif</span></p>"));
    QTextCursor cursor(editor->document());
    for (const int at : {1, 8, 14}) { // plain, bold, serif
        cursor.setPosition(at);
        EXPECT_FALSE(unshaped(cursor.charFormat().font())) << at;
    }
    QApplication::setFont(before);
}
