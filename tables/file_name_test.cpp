#include "tables/file_name.h"

#include <gtest/gtest.h>

namespace crank {
namespace {

TEST(FileNameTest, EngineNamesBecomeSafeFileNames)
{
    const std::pair<const char*, const char*> cases[] = {
        {"Kart 125", "Kart 125 crank angles.pdf"},
        {" ..RD 350/LC: \"B\"*? ", "RD 350 LC B crank angles.pdf"},
        {"a\tb<>|\\c", "a b c crank angles.pdf"},
        {"Zündapp", "Zündapp crank angles.pdf"},
        {"", "crank-angle-tables.pdf"},
        {" / . ", "crank-angle-tables.pdf"},
    };
    for (const auto& [name, file] : cases) {
        SCOPED_TRACE(name);
        EXPECT_EQ(SuggestedFileName(name, "pdf"), file);
    }
    EXPECT_EQ(EngineNameOf(" Engine: Kart: 125  "), "Kart: 125");
}

} // namespace
} // namespace crank
