#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <utility>

#include "core/cp1252.hpp"
#include "core/text_case.hpp"

namespace kestrel::core {
namespace {

// Letters of any case are equal in EveryLetterPairOfTheCodePageFoldsAndNothingElse.
TEST(TextCase, ComparesWithoutCaseAndOrdersTotally) {
    EXPECT_FALSE(equalsNoCase("Town", "Towns"));
    EXPECT_TRUE(lessNoCase("apple", "Banana"));
    EXPECT_TRUE(lessNoCase("Ab", "abc"));
    EXPECT_NE(compareNoCase("ab", "AB"), 0);  // ties broken, so sorting is reproducible
    EXPECT_FALSE(startsWithNoCase("Ci", "cit"));
}

TEST(TextCase, EveryLetterPairOfTheCodePageFoldsAndNothingElse) {
    std::set<std::pair<int, int>> pairs;  // upper, lower
    for (int c = 'A'; c <= 'Z'; ++c) pairs.insert({c, c + 32});
    for (int c = 0xC0; c <= 0xDE; ++c)
        if (c != 0xD7) pairs.insert({c, c + 32});  // not multiply/divide
    for (const auto& p : {std::pair{0x8A, 0x9A}, {0x8C, 0x9C}, {0x8E, 0x9E}, {0x9F, 0xFF}}) pairs.insert(p);
    ASSERT_EQ(pairs.size(), 26u + 30u + 4u);

    // Every pair of bytes: equal without case exactly when the same byte or a letter pair.
    std::vector<std::string> wrong;
    for (int a = 0; a < 256; ++a)
        for (int b = 0; b < 256; ++b) {
            const bool expected = a == b || pairs.count({a, b}) || pairs.count({b, a});
            const std::string x(1, static_cast<char>(a)), y(1, static_cast<char>(b));
            const bool equal = equalsNoCase(x, y);
            const bool matches = a == '*' || a == '?' ? expected : wildcardMatch(x, y);
            if ((equal != expected || matches != expected) && wrong.size() < 20) {
                char line[40];
                std::snprintf(line, sizeof line, "%02X %02X: equal %d match %d", a, b, equal, matches);
                wrong.push_back(line);
            }
        }
    EXPECT_EQ(wrong, std::vector<std::string>{});

    for (const auto& [upper, lower] : pairs) {
        const std::string u{'x', static_cast<char>(upper), 'y'}, l{'X', static_cast<char>(lower), 'Y'};
        EXPECT_TRUE(equalsNoCase(u, l)) << std::hex << upper;
        EXPECT_TRUE(startsWithNoCase(l + "z", u)) << std::hex << upper;
        EXPECT_EQ(foldCase(static_cast<char>(lower)), foldCase(static_cast<char>(upper))) << std::hex << upper;
    }
    for (const int c : {0xD7, 0xF7, 0xDF}) EXPECT_EQ(foldCase(static_cast<char>(c)), static_cast<char>(c)) << std::hex << c;
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

// The code page's own table of 0x80..0x9F; 0 marks its five unused bytes.
constexpr std::pair<unsigned char, char32_t> kHighHalf[32]{
    {0x80, 0x20AC}, {0x81, 0},      {0x82, 0x201A}, {0x83, 0x0192}, {0x84, 0x201E}, {0x85, 0x2026}, {0x86, 0x2020},
    {0x87, 0x2021}, {0x88, 0x02C6}, {0x89, 0x2030}, {0x8A, 0x0160}, {0x8B, 0x2039}, {0x8C, 0x0152}, {0x8D, 0},
    {0x8E, 0x017D}, {0x8F, 0},      {0x90, 0},      {0x91, 0x2018}, {0x92, 0x2019}, {0x93, 0x201C}, {0x94, 0x201D},
    {0x95, 0x2022}, {0x96, 0x2013}, {0x97, 0x2014}, {0x98, 0x02DC}, {0x99, 0x2122}, {0x9A, 0x0161}, {0x9B, 0x203A},
    {0x9C, 0x0153}, {0x9D, 0},      {0x9E, 0x017E}, {0x9F, 0x0178}};

TEST(Cp1252, HighHalfMapsBothWaysAndUnusedBytesStandForThemselves) {
    int mapped = 0;
    for (const auto& [byte, cp] : kHighHalf) {
        if (cp == 0) {
            // Kept as the C1 control of the same number so that the byte survives a round trip.
            EXPECT_EQ(cp1252ToCodePoint(byte), char32_t{byte}) << std::hex << int{byte};
            EXPECT_EQ(codePointToCp1252(byte), byte) << std::hex << int{byte};
            continue;
        }
        ++mapped;
        EXPECT_EQ(cp1252ToCodePoint(byte), cp) << std::hex << int{byte};
        EXPECT_EQ(codePointToCp1252(cp), byte) << std::hex << int{byte};
        // The C1 control of a used byte has no 8-bit form.
        EXPECT_EQ(codePointToCp1252(byte), std::nullopt) << std::hex << int{byte};
    }
    EXPECT_EQ(mapped, 27);
    EXPECT_EQ(cp1252ToUtf8("\x8A\x9F"), "\xC5\xA0\xC5\xB8");
    EXPECT_EQ(cp1252ToUtf8("\x81\x9D"), "\xC2\x81\xC2\x9D");
    EXPECT_EQ(utf8ToCp1252("\xE2\x80\x98\xE2\x80\x99"), "\x91\x92");
    for (const char32_t cp : {0xA0, 0xE9, 0xFF}) EXPECT_EQ(codePointToCp1252(cp), cp);
    for (const char32_t cp : {0x100, 0x2015, 0xFFFD}) EXPECT_EQ(codePointToCp1252(cp), std::nullopt);
}

TEST(Cp1252, RefusesCharactersWithoutAnEightBitFormAndBadUtf8) {
    // A CJK character, a cut sequence, a byte UTF-8 never uses, overlong NUL,
    // 'A' in three and four bytes, and an overlong copyright sign.
    for (const char* bad :
         {"\xE4\xB8\xAD", "\xC3", "\xFF", "\xC0\x80", "\xE0\x81\x81", "\xF0\x80\x81\x81", "\xE0\x82\xA9"})
        EXPECT_FALSE(utf8ToCp1252(bad)) << ::testing::PrintToString(std::string(bad));
    EXPECT_EQ(utf8ToCp1252("\xC2\xA9"), "\xA9");
    EXPECT_EQ(utf8ToCp1252("\xE2\x84\xA2"), "\x99");  // trade mark sign
}

// Shown all the same: a mark for each character without a form and for each
// byte that is not UTF-8, the text around them kept.
TEST(Cp1252, ShownTextMarksWhatHasNoEightBitForm) {
    EXPECT_EQ(utf8ToCp1252Shown("a\xE4\xB8\xAD\xC2\xA9" "b"), "a?\xA9" "b");
    EXPECT_EQ(utf8ToCp1252Shown("\xFF\xC3x\xE2\x82"), "??x??");
    EXPECT_EQ(utf8ToCp1252Shown("\xC0\x80"), "??");
    EXPECT_EQ(utf8ToCp1252Shown(""), "");
}

}  // namespace
}  // namespace kestrel::core
