#include "datasets/advisor.hpp"

#include <gtest/gtest.h>

#include <functional>

#include "core/fixed_text.hpp"
#include "datasets/advisor_editor.hpp"
#include "support/temp_root.hpp"
#include "ui/headless_host.hpp"
#include "ui/window.hpp"

namespace kestrel::datasets {
namespace {

using testing::TempRoot;

std::string slot(const core::Bytes& r, std::size_t index) { return core::readFixedText(r, index * 64, 64); }

TEST(AdvisorRecord, NewTextsAtTheirOffsets) {
    const core::Bytes r = writeAdvisor(newAdvisor());
    ASSERT_EQ(r.size(), 1216u);
    for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(slot(r, i), "My Lord!") << i;
    for (std::size_t i = 4; i < 8; ++i) EXPECT_EQ(slot(r, i), "This battle will be") << i;
    EXPECT_EQ(core::readFixedText(r, 512, 64), "real real bad");
    EXPECT_EQ(core::readFixedText(r, 768, 64), "slightly in their favour");
    EXPECT_EQ(core::readFixedText(r, 832, 64), "evenly matched");
    EXPECT_EQ(core::readFixedText(r, 1152, 64), "very very easy");
    // Nothing but the texts: every byte behind each text's NUL is zero.
    for (std::size_t i = 0; i < 19; ++i)
        for (std::size_t b = slot(r, i).size(); b < 64; ++b) EXPECT_EQ(r[i * 64 + b], 0) << i << " " << b;
    EXPECT_EQ(readAdvisor(r), newAdvisor());
}

TEST(AdvisorRecord, A63CharacterTextEndsWithTheNulInItsLastByte) {
    Advisor a = newAdvisor();
    a.texts[18] = std::string(63, 'v');
    a.texts[0] = std::string(64, 'x');  // longer than the editor allows: cut to the field
    const core::Bytes r = writeAdvisor(a);
    ASSERT_EQ(r.size(), 1216u);
    EXPECT_EQ(r[1152 + 62], 'v');
    EXPECT_EQ(r[1215], 0);
    EXPECT_EQ(r[63], 'x');
    EXPECT_EQ(slot(r, 1), "My Lord!");
    EXPECT_EQ(readAdvisor(r).texts[0], std::string(64, 'x'));
}

TEST(AdvisorRecord, ShortRecordsReadTheTextsTheyHold) {
    core::Bytes r = writeAdvisor(newAdvisor());
    r.resize(64 * 8 + 4);
    const Advisor a = readAdvisor(r);
    EXPECT_EQ(a.texts[7], "This battle will be");
    EXPECT_EQ(a.texts[8], "real");
    EXPECT_EQ(a.texts[9], "");
    EXPECT_EQ(readAdvisor({}), Advisor{});
}

TEST(AdvisorLayout, GroupsAndResultLabels) {
    const ui::Layout& l = ui::layoutFor(161);
    EXPECT_EQ(l.caption, "Edit Advisor Data");
    std::vector<std::string> groups, labels;
    for (const auto& c : l.controls) {
        if (c.kind == ui::ControlKind::Group) groups.push_back(c.label);
        if (c.kind == ui::ControlKind::Static) labels.push_back(c.label);
        if (c.id >= 1212 && c.id <= 1230) {
            EXPECT_EQ(c.kind, ui::ControlKind::Edit) << c.id;
            EXPECT_EQ(c.limit, 63) << c.id;
        }
    }
    EXPECT_EQ(groups, (std::vector<std::string>{"First Line", "Second Line", "Combat Results"}));
    ASSERT_EQ(labels.size(), 11u);
    EXPECT_EQ(labels.front(), "Won 0 of 10:");
    EXPECT_EQ(labels.back(), "Won 10 of 10:");
    EXPECT_EQ(l.find(1015)->label, "Import Picture");
}

struct AdvisorEditorRun {
    TempRoot t;
    ui::HeadlessHost host;
    bool closed = false;
    void run(const core::Bytes& record, const std::function<void(ui::Window&)>& play) {
        t.write("ADVISOR/SAGE.AVR", record);
        AdvisorEditor editor(host, t.root(), "SAGE");
        host.onNextModal([&](ui::Window& w) {
            play(w);
            closed = w.isClosed();
        });
        host.runModal(editor);
    }
};

TEST(AdvisorEditor, EditingOneTextLeavesTheOthersAsTheyWere) {
    Advisor a = newAdvisor();
    for (std::size_t i = 0; i < 19; ++i) a.texts[i] = "text " + std::to_string(i);
    core::Bytes record = writeAdvisor(a);
    record[64 * 3 + 40] = 0x7F;  // behind a NUL: carries no meaning and is written as zero
    AdvisorEditorRun e;
    e.run(record, [](ui::Window& w) {
        EXPECT_EQ(w.caption(), "Edit Advisor - SAGE");
        EXPECT_EQ(w.text(1212), "text 0");
        EXPECT_EQ(w.text(1230), "text 18");
        w.userType(1225, "a fair fight");
        w.userClick(ui::kIdOk);
    });
    EXPECT_TRUE(e.closed);
    a.texts[13] = "a fair fight";
    EXPECT_EQ(e.t.read("ADVISOR/SAGE.AVR"), writeAdvisor(a));
}

TEST(AdvisorEditor, TypingStopsAt63AndLongerStoredTextsAreRefused) {
    AdvisorEditorRun e;
    e.run(writeAdvisor(newAdvisor()), [](ui::Window& w) {
        w.userType(1230, std::string(70, 'w'));
        EXPECT_EQ(w.text(1230), std::string(63, 'w'));
        w.userClick(ui::kIdOk);
    });
    const core::Bytes r = e.t.read("ADVISOR/SAGE.AVR");
    EXPECT_EQ(slot(r, 18), std::string(63, 'w'));
    EXPECT_EQ(r[1215], 0);

    Advisor full = newAdvisor();
    full.texts[2] = std::string(64, 'x');  // no NUL in the slot
    const core::Bytes record = writeAdvisor(full);
    AdvisorEditorRun refused;
    int focused = 0;
    refused.run(record, [&](ui::Window& w) {
        w.userClick(ui::kIdOk);
        focused = w.focused();
    });
    EXPECT_FALSE(refused.closed);
    ASSERT_EQ(refused.host.messages().size(), 1u);
    EXPECT_EQ(refused.host.messages()[0].text, "Please enter no more than 63 characters.");
    EXPECT_EQ(focused, 1214);
    EXPECT_EQ(refused.t.read("ADVISOR/SAGE.AVR"), record);
}

TEST(AdvisorEditor, MissingRecordOpensEmptyAndOkWritesEmptyTexts) {
    TempRoot t;
    t.mkdir("ADVISOR");
    ui::HeadlessHost host;
    AdvisorEditor editor(host, t.root(), "GONE");
    host.onNextModal([](ui::Window& w) {
        EXPECT_EQ(w.text(1212), "");
        w.userType(1220, "dire");
        w.userClick(ui::kIdOk);
    });
    host.runModal(editor);
    Advisor expected;
    expected.texts[8] = "dire";
    EXPECT_EQ(t.read("ADVISOR/GONE.AVR"), writeAdvisor(expected));
}

}  // namespace
}  // namespace kestrel::datasets
