#include "platform/fonts.h"

#include <QFont>
#include <QFontInfo>
#include <gtest/gtest.h>

namespace crank {
namespace {

// The design's font names resolve to their stand-ins, not to whatever the
// platform's default family happens to be.
TEST(FontsTest, DesignFontsResolveToTheirStandIns)
{
    installFontSubstitutions();
    for (auto [family, resolved] :
         {std::pair{"MS Sans Serif", "Liberation Sans"}, {"Times New Roman", "Liberation Serif"}}) {
        EXPECT_EQ(QFontInfo(QFont(family, 12)).family(), resolved) << family;
    }
}

} // namespace
} // namespace crank
