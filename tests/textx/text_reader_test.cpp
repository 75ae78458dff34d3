// Reading text exchange files back: which tag a line is, what the translator
// typed, and how lines, sections and record paths are found.
#include "textx/text_reader.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace kestrel::textx {
namespace {

struct Case {
    std::string_view line;
    LineKind kind;
    std::string_view tag;
    int index = -1;
    std::string_view path = {};
};

TEST(TextReader, EachLineIsTheFirstTagItHoldsInTheReadersOrder) {
    constexpr LineKind B = LineKind::Banner, I = LineKind::Id, T = LineKind::Tag, O = LineKind::Other;
    const Case cases[] = {
        {"*************** CITY DATA ***************", B, "***********"},
        {"**********", O, ""},  // ten are not enough
        {"    #NAME:  <#ID: a ***********>", B, "***********"},
        {"    #ID:    City\\ELVES.CIT", I, "#ID:", -1, "City\\ELVES.CIT"},
        {"#ID:\t Army\\A.ARM  trailing words", I, "#ID:", -1, "Army\\A.ARM"},
        {"    #NAME:  <#GOLD: x>", T, "#NAME:"},
        {"    #NAME(M): <Knight>", T, "#NAME(M):", 0},
        {"#NAME(F): #NAME: both", T, "#NAME:"},
        {"    #DESC:    <Brave>", T, "#DESC:"},
        {"    #LVL3:  <City>", T, "#LVL3:", 3},
        {"    #LVL10(M):<M10>", T, "#LVL10(M):", 9},
        {"    #LVL9(F): <F9>", T, "#LVL9(F):", 8},
        {"    #LVL1(F): #LVL10(F):", T, "#LVL10(F):", 9},
        {"    #GOLD: <gp>", T, "#GOLD:"},
        {"    #MON7: <Troll>", T, "#MON", 7},
        {"    #MON: <no number>", T, "#MON", -1},
        {"    #NAME12: <Isle>", T, "#NAME", 12},
        {"    #NAME99999999999999: <x>", T, "#NAME", 1'000'000},
        {"    #BONUS2: <Both>", T, "#BONUS", 2},
        {"    #RES10:<A18>", T, "#RES", 10},
        {"    #TXT00: <#TXT01:>", T, "#TXT00:", 0},
        {"    #TXT04: <none>", O, ""},
        {"    #LOC:   <Red Dragons>", O, ""},
        {"    #NOTES: All strings limited to 19 characters", O, ""},
        {"#########x#NAME3:", T, "#NAME", 3},  // more marks than the quick search keeps
    };
    for (const Case& c : cases) {
        const Classified got = classify(c.line);
        EXPECT_EQ(got.kind, c.kind) << c.line;
        EXPECT_EQ(got.tag, c.tag) << c.line;
        if (c.kind == T) {
            EXPECT_EQ(got.index, c.index) << c.line;
        }
        EXPECT_EQ(got.path, c.path) << c.line;
    }
}

TEST(TextReader, TheTranslationLiesBetweenTheFirstOpenAndTheLastClose) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"    #LOC:   <Red Dragons>", "Red Dragons"},
        {"    #LOC:   <Long <spears>>", "Long <spears>"},
        {"#LOC: <a> b <c>", "a> b <c"},
        {"    #LOC:   <Red Dragons", ""},
        {"    #LOC:   Red Dragons>", ""},
        {"    #LOC:   >x<", ""},
    };
    for (const auto& [line, text] : cases) EXPECT_EQ(localisationText(line), text) << line;
}

// What the reader returns, flat: "B1", "I:path", "T2 #MON3: text".
std::vector<std::string> walk(std::string_view file) {
    std::vector<std::string> seen;
    TextReader reader(file);
    while (const auto line = reader.next())
        seen.push_back(line->kind == LineKind::Banner ? "B" + std::to_string(reader.section())
                       : line->kind == LineKind::Id   ? "I:" + std::string(line->path)
                                                      : "T" + std::to_string(reader.section()) + " " +
                                                          line->tag.spelled() + " " + std::string(line->tag.text));
    return seen;
}

// The line after a tag is its translation whatever it holds; lines end at LF
// with or without CR and are read whole, so a long line's tail is never a
// line of its own.
TEST(TextReader, TagsTakeTheNextLineAndLinesAreReadWhole) {
    const std::string file =
        "//\r\n*** ***********\r\n  #ID:  City\\A.CIT\r\n  #LVL0:  <x>\r\n  #LOC: <Hameau>\r\n"
        "  #LVL1: <y>\r\n  #LVL2: <Stolen line>\r\n  #NOTES: x\r\n********************\n"
        "  #MON3: <m>\n  #LOC: <Troll\n#DESC:\n#LOC: <" +
        std::string(260, 'y') + "#NAME: tail>\n#NAME(M):";
    EXPECT_EQ(walk(file), (std::vector<std::string>{
                              "B1", "I:City\\A.CIT", "T1 #LVL0: Hameau", "T1 #LVL1: Stolen line", "B2",
                              "T2 #MON3: ", "T2 #DESC: " + std::string(260, 'y') + "#NAME: tail", "T2 #NAME(M): "}));
    EXPECT_TRUE(walk(std::string_view("\n\r\n\0\x01\xff", 6)).empty());
}

}  // namespace
}  // namespace kestrel::textx
