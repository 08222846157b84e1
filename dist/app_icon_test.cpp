#include "app/banner_logo.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace crank {
namespace {

// The installed icon is a committed file so that packaging needs no build
// step; it must never drift from the logo the front screen draws. After a
// change of the logo, write BannerLogoSvg() into the file again.
TEST(AppIconTest, CommittedIconIsTheBannerLogo)
{
    std::ifstream file(CRANK_ICON_FILE, std::ios::binary);
    ASSERT_TRUE(file) << "cannot read " << CRANK_ICON_FILE;
    std::ostringstream text;
    text << file.rdbuf();
    EXPECT_EQ(text.str(), BannerLogoSvg());
}

} // namespace
} // namespace crank
