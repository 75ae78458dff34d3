#include "core/fixed_text.hpp"

#include <gtest/gtest.h>

#include "core/bytes.hpp"
#include "core/le.hpp"

namespace kestrel::core {
namespace {

TEST(FixedText, ReadStopsAtNulFieldEndAndBufferEnd) {
    const Bytes b{'A', 'B', 0, 'Z', 'C', 'D', 'E', 'F'};
    EXPECT_EQ(readFixedText(b, 0, 8), "AB");
    EXPECT_EQ(readFixedText(b, 3, 3), "ZCD");  // full field, no NUL
    EXPECT_EQ(readFixedText(b, 6, 20), "EF");  // field runs past the buffer
    EXPECT_EQ(readFixedText(b, 8, 4), "");
    EXPECT_EQ(readFixedText(b, 100, 4), "");
}

TEST(FixedText, WriteTerminatesAndZeroFills) {
    Bytes b(8, 0xEE);
    writeFixedText(b, 1, 6, "abc");
    EXPECT_EQ(b, (Bytes{0xEE, 'a', 'b', 'c', 0, 0, 0, 0xEE}));
    writeFixedText(b, 1, 6, "abcdefghij");  // cut to the field, no room for a NUL
    EXPECT_EQ(b, (Bytes{0xEE, 'a', 'b', 'c', 'd', 'e', 'f', 0xEE}));
    writeFixedText(b, 1, 6, "");
    EXPECT_EQ(b, (Bytes{0xEE, 0, 0, 0, 0, 0, 0, 0xEE}));
}

TEST(LittleEndian, FieldsRoundTripWithSigns) {
    Bytes b(8, 0);
    putS16(b, 0, -2);
    putU16(b, 2, 0x1234);
    putS32(b, 4, -100000);
    EXPECT_EQ(b, (Bytes{0xFE, 0xFF, 0x34, 0x12, 0x60, 0x79, 0xFE, 0xFF}));
    EXPECT_EQ(getS16(b, 0), -2);
    EXPECT_EQ(getU16(b, 0), 0xFFFE);
    EXPECT_EQ(getS32(b, 4), -100000);
    EXPECT_EQ(getU32(b, 4), 0xFFFE7960u);
}

}  // namespace
}  // namespace kestrel::core
