#include "console/ui/KeymapInfoDialog.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace veltrano;

TEST(KeymapInfo, ListsTheWordsAndKeysInTwoColumns)
{
    KeymapInfoDialog form;
    form.ensurePolished(); // as opening it does
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Keymap Info"));
    EXPECT_EQ(form.size(), QSize(440, 95));
    const struct {
        QPoint at;
        QString text;
    } texts[] = {{{8, 16}, QStringLiteral("\"Help\" - show this window")},
                 {{8, 35}, QStringLiteral("\"Close\" or \"Exit\" - Close program")},
                 {{232, 16}, QStringLiteral("CTRL +  F1 - Calls main To-Do List")},
                 {{232, 35}, QStringLiteral("SHIFT + F1 - Calls Deduvi Clock")}};
    const QList<QLabel *> labels = form.findChildren<QLabel *>();
    ASSERT_EQ(labels.size(), 4);
    for (const auto &expected : texts) {
        const auto found = std::find_if(labels.begin(), labels.end(),
                                        [&](QLabel *label) { return label->text() == expected.text; });
        ASSERT_NE(found, labels.end()) << qPrintable(expected.text);
        EXPECT_EQ((*found)->pos(), expected.at) << qPrintable(expected.text);
        // Each text stays within its own column.
        if (expected.at.x() < 216)
            EXPECT_LE((*found)->geometry().right(), 216) << qPrintable(expected.text);
        else
            EXPECT_LE((*found)->geometry().right(), 440) << qPrintable(expected.text);
    }
    const auto *line = form.findChild<QWidget *>(QStringLiteral("Bevel1"));
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->x(), 216);
    auto *ok = form.findChild<QPushButton *>(QStringLiteral("Button1"));
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->geometry(), QRect(176, 61, 75, 25));
    EXPECT_EQ(ok->text(), QStringLiteral("OK"));
    EXPECT_TRUE(ok->isDefault());
}

TEST(KeymapInfo, EnterEscAndOkCloseIt)
{
    KeymapInfoDialog form;
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        form.show();
        QTest::keyClick(&form, key);
        EXPECT_FALSE(form.isVisible()) << key;
    }
    form.show();
    QTest::mouseClick(form.findChild<QPushButton *>(QStringLiteral("Button1")), Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
}
