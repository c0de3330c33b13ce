#include "passwords/logic/PasswordGenerator.h"

#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

using namespace veltrano;

TEST(PasswordGenerator, EveryValueHasTheGuidFormInUpperCase)
{
    static const QRegularExpression form(
        QStringLiteral("^\\{[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}\\}$"));
    QSet<QString> seen;
    for (int i = 0; i < 200; ++i) {
        const QString text = GeneratePasswordText();
        ASSERT_EQ(text.size(), 38) << qPrintable(text);
        EXPECT_TRUE(form.match(text).hasMatch()) << qPrintable(text);
        // Counting from 1, as a person reading the value does.
        for (const int position : {10, 15, 20, 25})
            EXPECT_EQ(text[position - 1], u'-') << position;
        EXPECT_EQ(text, text.toUpper());
        seen.insert(text);
    }
    EXPECT_EQ(seen.size(), 200);
}

// The fields in order, each with its leading zeros.
TEST(PasswordGenerator, FieldsPrintInOrderWithLeadingZeros)
{
    const QUuid guid(0x00000a1bu, 0x0c2d, 0x0003, 0x04, 0x5e, 0x06, 0x7f, 0x80, 0x9a, 0x0b, 0x0c);
    EXPECT_EQ(GuidText(guid), QStringLiteral("{00000A1B-0C2D-0003-045E-067F809A0B0C}"));
}

TEST(PasswordGenerator, NoGuidGivesTheFailureText)
{
    EXPECT_EQ(GeneratePasswordText([] { return QUuid(); }),
              QStringLiteral("Sorry, system can not do this operation"));
}
