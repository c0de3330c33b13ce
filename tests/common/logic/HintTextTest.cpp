#include "common/logic/HintText.h"

#include <gtest/gtest.h>

using namespace veltrano;

TEST(Hints, ShortAndLongParts)
{
    const QString hint = QStringLiteral("Timeline...|Shows my time-table");
    EXPECT_EQ(HintShortPart(hint), QStringLiteral("Timeline..."));
    EXPECT_EQ(HintLongPart(hint), QStringLiteral("Shows my time-table"));
    EXPECT_EQ(HintLongPart(QStringLiteral("Exit...")), QStringLiteral("Exit..."));
    EXPECT_EQ(HintLongPart(QStringLiteral("a|b|c")), QStringLiteral("b|c"));
}
