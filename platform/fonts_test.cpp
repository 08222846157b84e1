#include "platform/fonts.h"

#include <QFontInfo>
#include <gtest/gtest.h>

// The design's names resolve to their stand-ins, not to the default family.
TEST(FontsTest, DesignFontsResolveToTheirStandIns)
{
    crank::installFontSubstitutions();
    EXPECT_EQ(QFontInfo(QFont("MS Sans Serif", 12)).family(), "Liberation Sans");
    EXPECT_EQ(QFontInfo(QFont("Times New Roman", 12)).family(), "Liberation Serif");
}
