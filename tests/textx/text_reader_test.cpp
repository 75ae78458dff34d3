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
        {"x***********", B, "***********"},
        {"**********", O, ""},  // ten are not enough
        {"    #NAME:  <#ID: a ***********>", B, "***********"},
        {"    #ID:    City\\ELVES.CIT", I, "#ID:", -1, "City\\ELVES.CIT"},
        {"#ID:\t Army\\A.ARM  trailing words", I, "#ID:", -1, "Army\\A.ARM"},
        {"#ID:", I, "#ID:", -1, ""},
        {"    #NAME:  <#GOLD: x>", T, "#NAME:"},
        {"    #NAME(M): <Knight>", T, "#NAME(M):", 0},
        {"    #NAME(F): <Dame>", T, "#NAME(F):", 1},
        {"#NAME(F): #NAME: both", T, "#NAME:"},
        {"    #DESC:    <Brave>", T, "#DESC:"},
        {"    #LVL3:  <City>", T, "#LVL3:", 3},
        {"    #LVL10(M):<M10>", T, "#LVL10(M):", 9},
        {"    #LVL1(M): <M1>", T, "#LVL1(M):", 0},
        {"    #LVL9(F): <F9>", T, "#LVL9(F):", 8},
        {"    #LVL1(F): #LVL10(F):", T, "#LVL10(F):", 9},
        {"    #GOLD: <gp>", T, "#GOLD:"},
        {"    #MON7: <Troll>", T, "#MON", 7},
        {"    #MON: <no number>", T, "#MON", -1},
        {"    #NAME12: <Isle>", T, "#NAME", 12},
        {"    #NAME0012: <Isle>", T, "#NAME", 12},
        {"    #NAME99999999999999: <x>", T, "#NAME", 1'000'000},
        {"    #DESC3: <Far>", T, "#DESC", 3},
        {"    #BONUS2: <Both>", T, "#BONUS", 2},
        {"    #RES10:<A18>", T, "#RES", 10},
        {"    #TXT13: <A7>", T, "#TXT13:", 13},
        {"    #TXT00: <#TXT01:>", T, "#TXT00:", 0},
        {"    #TXT04: <none>", O, ""},
        {"    #LOC:   <Red Dragons>", O, ""},
        {"    #NOTES: All strings limited to 19 characters", O, ""},
        {"// Main Text Data File", O, ""},
        {"", O, ""},
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
        {"    #LOC:   <>", ""},
        {"    #LOC:   <Red Dragons", ""},
        {"    #LOC:   Red Dragons>", ""},
        {"    #LOC:   >x<", ""},
        {"<", ""},
    };
    for (const auto& [line, text] : cases) EXPECT_EQ(localisationText(line), text) << line;
}

// A flat picture of what the reader returns: "B1", "I:path", "T2 #MON3: text".
std::vector<std::string> walk(std::string_view file) {
    std::vector<std::string> seen;
    TextReader reader(file);
    while (const auto line = reader.next()) {
        switch (line->kind) {
            case LineKind::Banner:
                seen.push_back("B" + std::to_string(reader.section()));
                break;
            case LineKind::Id:
                seen.push_back("I:" + std::string(line->path));
                break;
            default:
                seen.push_back("T" + std::to_string(reader.section()) + " " + line->tag.spelled() + " " +
                               std::string(line->tag.text));
        }
    }
    return seen;
}

TEST(TextReader, TheLineAfterATagIsItsTranslationWhateverItHolds) {
    const std::string file =
        "//\r\n*** ***********\r\n  #ID:  City\\A.CIT\r\n  #LVL0:  <x>\r\n  #LOC: <Hameau>\r\n"
        "  #LVL1: <y>\r\n  #LVL2: <Stolen line>\r\n  #NOTES: x\r\n********************\r\n"
        "  #MON3: <m>\r\n  #LOC: <Troll\r\n  #NAME(M):";
    EXPECT_EQ(walk(file), (std::vector<std::string>{"B1", "I:City\\A.CIT", "T1 #LVL0: Hameau", "T1 #LVL1: Stolen line",
                                                    "B2", "T2 #MON3: ", "T2 #NAME(M): "}));
}

TEST(TextReader, LinesEndAtLfWithOrWithoutCrAndAreReadWhole) {
    const std::string longText(300, 'x');
    const std::string lf = "#DESC:\n#LOC: <" + longText + ">\n#NAME:\n#LOC: <a\rb>\r\n";
    EXPECT_EQ(walk(lf), (std::vector<std::string>{"T0 #DESC: " + longText, "T0 #NAME: a\rb"}));
    // A long line's tail is never a line of its own, even when it holds a tag.
    const std::string tail = "#NAME:\n#LOC: <" + std::string(260, 'y') + "#DESC: tail>\n";
    EXPECT_EQ(walk(tail).size(), 1u);
    EXPECT_TRUE(walk("").empty());
    EXPECT_TRUE(walk(std::string_view("\n\r\n\0\x01\xff", 6)).empty());
}

}  // namespace
}  // namespace kestrel::textx
