#include "datasets/site_set.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "core/le.hpp"
#include "datasets/site_set_editor.hpp"
#include "support/script_run.hpp"
#include "support/temp_root.hpp"
#include "ui/headless_host.hpp"

namespace kestrel::datasets {
namespace {

using testing::runScript;
using testing::TempRoot;
using Ids = SiteSetIds;

TEST(SiteSetRecord, NewSiteSetDefaults) {
    core::Bytes expected(46, 0);
    for (const std::size_t at : {0u, 16u}) std::copy_n("HARBOURS", 8, expected.begin() + at);
    expected[42] = 1;  // can be razed
    EXPECT_EQ(writeSiteSet(newSiteSet("HARBOURS")), expected);
}

TEST(SiteSetRecord, FieldsAtTheirOffsets) {
    const SiteSet s{"Fifteen Letters", "TEMPLES", {25, 99, -3, "ABCDEFGH"}, false, true, true};
    const core::Bytes r = writeSiteSet(s);
    core::Bytes expected(46, 0);
    std::copy_n("Fifteen Letters", 15, expected.begin());
    std::copy_n("TEMPLES", 7, expected.begin() + 16);
    core::putS16(expected, 26, 25);
    core::putS16(expected, 28, 99);
    core::putS16(expected, 30, -3);
    std::copy_n("ABCDEFGH", 8, expected.begin() + 32);
    expected[43] = expected[44] = 1;
    EXPECT_EQ(r, expected);
    EXPECT_EQ(readSiteSet(r), s);
    // Any non-zero byte is a checked box.
    expected[42] = 0xFF;
    EXPECT_TRUE(readSiteSet(expected).canRaze);
}

TEST(SiteSetAbilities, TableEdgesAndCodesNotOffered) {
    const auto choices = siteAbilities();
    ASSERT_EQ(choices.size(), 17u);
    EXPECT_EQ(abilityCode(choices, 16), 27);
    for (const std::int16_t missing : {1, 11, 20, 24, 28}) EXPECT_EQ(abilityPosition(choices, missing), 0) << missing;
}

struct SiteEditorRun {
    TempRoot t;
    ui::HeadlessHost host;
    bool closed = false;
    void run(const std::optional<core::Bytes>& record, const std::function<void(ui::Window&)>& play) {
        t.mkdir("SITES");
        if (record) t.write("SITES/TEMPLES.SIT", *record);
        SiteSetEditor editor(host, t.root(), "TEMPLES");
        host.onNextModal([&](ui::Window& w) {
            play(w);
            closed = w.isClosed();
        });
        host.runModal(editor);
    }
    core::Bytes saved() const { return t.read("SITES/TEMPLES.SIT"); }
};

TEST(SiteSetEditor, NewSiteSetOpensWithItsDefaultsAndPortStores19) {
    TempRoot t;
    const auto run =
        runScript(t.path(),
                  "click 1013\nexpect open 151\ntype 1010 \"HARBOURS\"\nclick 4\n"
                  "dblclick 1008 \"HARBOURS\"\nexpect open 152\nexpect caption \"Edit Site - HARBOURS\"\n"
                  "expect text 1036 \"HARBOURS\"\nexpect selected 1112 \"Nothing\"\n"
                  "expect checked 1120 on\nexpect checked 1325 off\nexpect checked 1326 off\n"
                  "select 1112 \"Port\"\ntype 1036 \"Harbours\"\ncheck 1326 on\nclick 1\nexpect open 151\n");
    EXPECT_EQ(run.status, 0) << run.transcript;
    const core::Bytes r = t.read("SITES/HARBOURS.SIT");
    ASSERT_EQ(r.size(), 46u);
    EXPECT_EQ(core::getS16(r, 26), 19);
    EXPECT_EQ(readSiteSet(r), (SiteSet{"Harbours", "HARBOURS", {19, 0, 0, ""}, true, false, true}));
}

TEST(SiteSetEditor, UnofferedCodeOpensAsNothingAndIsWrittenAsZero) {
    const SiteSet eleven{"Temples", "TEMPLES", {11, 4, 5, "OLD"}, false, true, false};
    SiteEditorRun e;
    e.run(writeSiteSet(eleven), [](ui::Window& w) {
        EXPECT_EQ(w.text(Ids::kAbility.list), "Nothing");
        EXPECT_EQ(w.text(Ids::kAbility.second), "5");
        EXPECT_FALSE(w.checked(Ids::kCanRaze));
        EXPECT_TRUE(w.checked(Ids::kAnimateNormal));
        w.userClick(ui::kIdOk);
    });
    SiteSet expected = eleven;
    expected.ability.code = 0;
    EXPECT_EQ(e.saved(), writeSiteSet(expected));
}

TEST(SiteSetEditor, MissingRecordWithNoAbilityChosenStoresCodeZero) {
    SiteEditorRun e;
    e.run(std::nullopt, [](ui::Window& w) {
        EXPECT_EQ(w.selection(Ids::kAbility.list), -1);
        EXPECT_FALSE(w.checked(Ids::kCanRaze));
        w.userClick(ui::kIdOk);
    });
    EXPECT_TRUE(e.closed);
    EXPECT_EQ(e.saved(), writeSiteSet({"", "TEMPLES", {}, false, false, false}));
}

TEST(SiteSetEditor, AbilityValuesOutsideZeroTo99AreRefused) {
    const core::Bytes record = writeSiteSet(newSiteSet("TEMPLES"));
    SiteEditorRun e;
    e.run(record, [&](ui::Window& w) {
        w.userType(Ids::kAbility.second, "100");
        w.userClick(ui::kIdOk);
    });
    EXPECT_FALSE(e.closed);
    ASSERT_EQ(e.host.messages().size(), 1u);
    EXPECT_EQ(e.host.messages()[0].text, "Please enter an integer between 0 and 99.");
    EXPECT_EQ(e.saved(), record);
}

}  // namespace
}  // namespace kestrel::datasets
