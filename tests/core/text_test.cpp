#include <gtest/gtest.h>

#include "core/cp1252.hpp"
#include "core/text_case.hpp"

namespace kestrel::core {
namespace {

TEST(TextCase, ComparesWithoutCaseAndOrdersTotally) {
    EXPECT_TRUE(equalsNoCase("Towns", "TOWNS"));
    EXPECT_TRUE(equalsNoCase("\xE9t\xE9", "\xC9T\xC9"));  // é and É in the 8-bit code page
    EXPECT_FALSE(equalsNoCase("Town", "Towns"));
    EXPECT_TRUE(lessNoCase("apple", "Banana"));
    EXPECT_TRUE(lessNoCase("Ab", "abc"));
    EXPECT_NE(compareNoCase("ab", "AB"), 0);  // ties broken, so sorting is reproducible
    EXPECT_TRUE(startsWithNoCase("Citadel", "cit"));
    EXPECT_FALSE(startsWithNoCase("Ci", "cit"));
}

TEST(TextCase, WildcardsMatchLikeTheFileSystem) {
    EXPECT_TRUE(wildcardMatch("*.CIT", "towns.cit"));
    EXPECT_FALSE(wildcardMatch("*.CIT", "towns.citx"));
    EXPECT_FALSE(wildcardMatch("*.CIT", "towns.ci"));
    EXPECT_TRUE(wildcardMatch("SCENARIO.DA*", "scenario.dat"));
    EXPECT_TRUE(wildcardMatch("SCENARIO.DA*", "SCENARIO.DA"));
    EXPECT_TRUE(wildcardMatch("?.C*T", "a.cxyzt"));
    EXPECT_FALSE(wildcardMatch("?.CIT", "ab.CIT"));
    EXPECT_TRUE(wildcardMatch("*", ""));
    EXPECT_TRUE(wildcardMatch("*a*b*c", "xxaxxbxxbc"));
}

TEST(Cp1252, EveryByteRoundTripsThroughUtf8) {
    std::string all;
    for (int b = 1; b < 256; ++b) all.push_back(static_cast<char>(b));
    const std::string utf8 = cp1252ToUtf8(all);
    EXPECT_EQ(utf8ToCp1252(utf8), all);
    EXPECT_EQ(cp1252ToUtf8("\x80"), "\xE2\x82\xAC");  // euro sign
    EXPECT_EQ(cp1252ToUtf8("\xE9"), "\xC3\xA9");
}

TEST(Cp1252, RefusesCharactersWithoutAnEightBitFormAndBadUtf8) {
    EXPECT_FALSE(utf8ToCp1252("\xE4\xB8\xAD"));  // a CJK character
    EXPECT_FALSE(utf8ToCp1252("\xC3"));          // cut sequence
    EXPECT_FALSE(utf8ToCp1252("\xFF"));
    EXPECT_FALSE(utf8ToCp1252("\xC0\x80"));      // overlong NUL
    EXPECT_EQ(utf8ToCp1252("\xE2\x84\xA2"), "\x99");  // trade mark sign
}

}  // namespace
}  // namespace kestrel::core
