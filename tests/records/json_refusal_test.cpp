// Bad JSON is refused with its line and field, whatever is wrong with it.
#include <gtest/gtest.h>

#include <variant>

#include "records/file_json.hpp"
#include "records_testing.hpp"

namespace kestrel::records {
namespace {

struct Refusal {
    std::string_view kind;
    std::string json;
    std::string expected;  // as describe() gives it
};

std::string refusalOf(std::string_view kind, const std::string& json) {
    const auto result = fileFromJson(testing::kind(kind), json);
    const auto* refusal = std::get_if<JsonRefusal>(&result);
    return refusal ? describe(*refusal) : "accepted";
}

std::string citySet(const std::string& lines) { return "{\n  \"format\": \"city set\",\n" + lines + "\n}\n"; }
std::string cities(const std::string& record) {
    return "{\n  \"count\": 1,\n  \"records\": [\n    {\n" + record + "\n    }\n  ]\n}\n";
}

TEST(JsonRefusals, NameTheLineTheFieldAndWhatIsWrong) {
    const Refusal cases[] = {
        {"city-set", citySet("  \"level[0]\": ,"),
         "line 3: syntax error while parsing value - unexpected ','; "
         "expected '[', '{', or a literal"},
        {"city-set", citySet("  \"colour\": 1"), "line 3: field colour: no such field in a city set record"},
        {"city-set", citySet("  \"level[0]\": 5"), "line 3: field level[0]: expected a string"},
        {"city-set", citySet("  \"level[1]\": \"A\",\n  \"level[1]\": \"B\""), "line 4: \"level[1]\" is given twice"},
        {"city-set", citySet("  \"level[0]\": \"123456789012345678901\""),
         "line 3: field level[0]: the text is 21 bytes long; the field holds 20"},
        {"city-set", citySet("  \"level[0]\": \"Castle \u65e5\""),
         "line 3: field level[0]: the text has a character with no Windows-1252 form"},
        {"city-set", citySet("  \"level[0]\": \"a\\u0000b\""), "line 3: field level[0]: a text cannot hold a NUL"},
        {"city-set", citySet("  \"level[0]\": \"1234567890123456789\",\n  \"level[0].after\": \"01 02\""),
         "line 4: field level[0].after: the bytes after the text do not fit the field"},
        {"city-set", citySet("  \"level[0].after\": \"0x\""),
         "line 3: field level[0].after: expected bytes in hex, such as \"5a 00 ff\""},
        {"city-set", citySet("  \"missing\": 81"), "line 3: field missing: expected a number of bytes from 0 to 80"},
        {"city-set", "{\n  \"format\": \"army type\"\n}",
         "line 2: field format: \"army type\" is not a layout of city-set"},
        {"city-set", "[1, 2]", "line 1: expected an object"},
        {"cities", cities("      \"chance\": 70000"),
         "line 5: field records[0].chance: 70000 does not fit the field (from -32768 to 32767)"},
        {"cities", cities("      \"level\": 256"),
         "line 5: field records[0].level: 256 does not fit the field (from 0 to 255)"},
        {"cities", cities("      \"x\": 1.5"), "line 5: field records[0].x: expected a whole number"},
        {"cities", cities("      \"x\": 99999999999999999999"),
         "line 5: field records[0].x: the value does not fit the field (from -32768 to 32767)"},
        {"cities", cities("      \"level\": \"Fortress\""),
         "line 5: field records[0].level: \"Fortress\" is not a name of this field's values"},
        {"cities", cities("      \"rest@207\": \"01 02\""),
         "line 5: field records[0].rest@207: expected 1 bytes, got 2"},
        {"cities", cities("      \"missing\": 200,\n      \"x\": 1"),
         "line 6: field records[0].x: lies past the end of the cut record"},
        {"cities", "{\n  \"records\": [{\"missing\": 1}, {}]\n}",
         "line 1: only the last record of a file can be cut short (\"missing\")"},
        {"cities", "{\n  \"records\": {}\n}", "line 2: field records: expected an array of records"},
        {"cities", "{\n  \"count\": 1,\n  \"cities\": []\n}",
         "line 3: field cities: no such field; expected \"count\" and \"records\""},
    };
    for (const Refusal& c : cases) EXPECT_EQ(refusalOf(c.kind, c.json), c.expected) << c.json;
}

TEST(JsonRefusals, MeaningsByNameOrNumberAndAbsentFieldsAsZero) {
    const std::string byName = cities("      \"level\": \"Castle (2)\"");
    const std::string byNumber = cities("      \"level\": 2");
    const auto a = fileFromJson(testing::kind("cities"), byName);
    const auto b = fileFromJson(testing::kind("cities"), byNumber);
    ASSERT_TRUE(std::holds_alternative<core::Bytes>(a)) << refusalOf("cities", byName);
    ASSERT_TRUE(std::holds_alternative<core::Bytes>(b));
    EXPECT_EQ(std::get<core::Bytes>(a), std::get<core::Bytes>(b));
    core::Bytes expected(2 + 208, 0);
    expected[0] = 1;
    expected[2 + 166] = 2;
    EXPECT_EQ(std::get<core::Bytes>(a), expected);
}

}  // namespace
}  // namespace kestrel::records
