#include <gtest/gtest.h>

#include "qt/qt_text.hpp"
#include "qt/qt_window.hpp"

namespace kestrel::qt {
namespace {

TEST(QtText, EveryByteSurvivesTheRoundTripAndWindowsCharactersMap) {
    std::string all;
    for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
    const QString wide = fromGame(all);
    ASSERT_EQ(wide.size(), 256);
    EXPECT_EQ(toGame(wide), all);
    EXPECT_EQ(wide[0x80], QChar(0x20AC));
    EXPECT_EQ(wide[0x9F], QChar(0x0178));
    EXPECT_EQ(wide[0x81], QChar(0x0081));  // a hole keeps its C1 code
    EXPECT_EQ(toGame(QStringLiteral(u"Caf\u00E9 \u2014\u2122")), "Caf\xE9 \x97\x99");
}

TEST(QtText, CharactersWithoutAnEightBitFormAreMarkedAndRefused) {
    EXPECT_EQ(toGame(QStringLiteral(u"a\u0436b")), "a?b");
    EXPECT_EQ(toGame(QString::fromUtf8("x\xF0\x9F\x90\xA6y")), "x?y");  // one mark per character
    GameTextValidator v;
    int pos = 0;
    for (QString ok : {QStringLiteral(u"\u00CBlven \u20AC Hall"), QString()})
        EXPECT_EQ(v.validate(ok, pos), QValidator::Acceptable);
    for (QString bad : {QStringLiteral(u"Hall\u0436"), QStringLiteral(u"\u0100"), QString::fromUtf8("\xF0\x9F\x90\xA6")})
        EXPECT_EQ(v.validate(bad, pos), QValidator::Invalid);
}

TEST(QtText, StaticsShowDoubledAmpersandsOnceAndDropMnemonicMarks) {
    EXPECT_EQ(staticText(QStringLiteral("Salt && &Pepper")), QStringLiteral("Salt & Pepper"));
    EXPECT_EQ(staticText(QStringLiteral("&&&&")), QStringLiteral("&&"));
    EXPECT_EQ(staticText(QStringLiteral("End&")), QStringLiteral("End"));
}

}  // namespace
}  // namespace kestrel::qt
