#include "platform/qt/LongTimeFormat.h"

#include <gtest/gtest.h>

using namespace veltrano;

TEST(LongTimeFormat, TimeZoneIsDroppedWithItsBlank)
{
    EXPECT_EQ(longTimeFormatWithoutZone(QStringLiteral("HH:mm:ss t")), QStringLiteral("HH:mm:ss"));
    EXPECT_EQ(longTimeFormatWithoutZone(QStringLiteral("h:mm:ss AP t")), QStringLiteral("h:mm:ss AP"));
    EXPECT_EQ(longTimeFormatWithoutZone(QStringLiteral("tttt HH:mm:ss")), QStringLiteral("HH:mm:ss"));
}

TEST(LongTimeFormat, QuotedLettersAreNotTakenForFields)
{
    EXPECT_EQ(longTimeFormatWithoutZone(QStringLiteral("H'h' mm 'at' ss t")), QStringLiteral("H'h' mm 'at' ss"));
}

TEST(LongTimeFormat, SecondsAreAddedWhenMissing)
{
    EXPECT_EQ(longTimeFormatWithoutZone(QStringLiteral("HH:mm")), QStringLiteral("HH:mm:ss"));
    EXPECT_EQ(longTimeFormatWithoutZone(QStringLiteral("h:mm AP t")), QStringLiteral("h:mm:ss AP"));
}
