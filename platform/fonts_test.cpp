#include "platform/fonts.h"

#include <QFont>
#include <QFontInfo>
#include <gtest/gtest.h>

namespace crank {
namespace {

// The design's font names must resolve to their stand-ins, not to whatever
// the platform's default sans-serif happens to be.
TEST(FontsTest, DesignFontsResolveToTheirStandIns)
{
    installFontSubstitutions();
    const struct {
        const char* family;
        const char* resolved;
    } cases[] = {
        {"MS Sans Serif", "Liberation Sans"},
        {"Times New Roman", "Liberation Serif"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.family);
        QFont font(QString::fromLatin1(c.family));
        font.setPointSizeF(12);
        EXPECT_EQ(QFontInfo(font).family(), QString::fromLatin1(c.resolved));
    }
}

} // namespace
} // namespace crank
