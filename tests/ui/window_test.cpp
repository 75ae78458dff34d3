#include "ui/window.hpp"

#include <gtest/gtest.h>

#include <new>
#include <tuple>

#include "ui/data_exchange.hpp"
#include "ui/headless_host.hpp"

namespace kestrel::ui {
namespace {

// A controller that records what reaches it; dialog 133 has four 16-character fields.
class Probe : public Dialog {
public:
    explicit Probe(Host& host, int id = 133) : Dialog(host, id) {}
    void onCommand(int id) override {
        events.push_back("command " + std::to_string(id));
        Dialog::onCommand(id);
    }
    void onChange(int id) override { events.push_back("change " + std::to_string(id)); }
    void onDoubleClick(int id) override { events.push_back("double " + std::to_string(id)); }
    std::vector<std::string> events;
};

template <class P = Probe>
struct Opened {
    HeadlessHost host;
    P probe;
    Window window{probe};
    explicit Opened(int id = 133) : probe(host, id) { probe.attach(&window); }
};

TEST(Window, TypingCutsAtTheLimitButControllersMayStoreMore) {
    Opened o;
    EXPECT_TRUE(o.window.userType(1011, "12345678901234567890"));
    EXPECT_EQ(o.probe.text(1011), "1234567890123456");
    EXPECT_EQ(o.probe.events, std::vector<std::string>{"change 1011"});
    o.probe.setText(1011, "12345678901234567890");
    EXPECT_EQ(o.probe.text(1011), "12345678901234567890");
}

// The number fields of Scenario Data and of a side's data that take digits
// only; whatever else is typed is left out, and OK's range check stays.
TEST(Window, DigitsOnlyFieldsLeaveOutEveryOtherCharacter) {
    const std::pair<int, std::vector<int>> fields[] = {
        {134, {1026, 1028, 1030, 1036, 1038, 1040, 1042, 1044, 1046}},
        {146, {1072, 1074, 1090, 1091}},
    };
    for (const auto& [resource, ids] : fields) {
        Opened o(resource);
        for (const int id : ids) {
            EXPECT_EQ(layoutFor(resource).find(id)->typing, Typing::Digits) << id;
            EXPECT_TRUE(o.window.userType(id, "-1x2 3"));
            EXPECT_EQ(o.probe.text(id), "123") << id;
        }
    }
    EXPECT_EQ(typedText(Typing::SignedDigits, "--1-2a"), "-12");
    EXPECT_EQ(typedText(Typing::SignedDigits, "x-5"), "-5");
    EXPECT_EQ(typedText(Typing::Text, "-1x"), "-1x");
}

TEST(Window, UserActionsRefuseWrongControls) {
    Opened o;
    EXPECT_FALSE(o.window.userType(4242, "x"));
    EXPECT_FALSE(o.window.userClick(1011));  // an edit field is no button
    EXPECT_FALSE(o.window.userSelect(1011, 0));
    EXPECT_FALSE(o.window.userCheck(1, true));
    EXPECT_FALSE(o.window.userRadio(1));
    EXPECT_FALSE(o.window.userSpin(1, 1));
    EXPECT_TRUE(o.probe.events.empty());
    EXPECT_THROW(o.probe.text(4242), std::out_of_range);
}

// A handler that runs out of memory fails its operation, not the program;
// Enter reaches the default button's. Enter and Escape closing a dialog:
// tests/scripts/city_sets.kst and items.kst.
TEST(Window, RunningOutOfMemoryInAHandlerIsAMessage) {
    class Hungry : public Probe {
    public:
        using Probe::Probe;
        void onCommand(int) override { throw std::bad_alloc(); }
    };
    Opened<Hungry> o;
    EXPECT_TRUE(o.window.userClick(1015));
    o.window.userEnter();
    EXPECT_FALSE(o.window.isClosed());
    ASSERT_EQ(o.host.messages().size(), 2u);
    EXPECT_EQ(o.host.messages()[0],
              (MessageBox{"Error", "Not enough memory to complete the operation.", Icon::Exclamation}));
}

// The buddy holds whatever was typed: stepping from the largest int must not overflow.
TEST(Window, SpinStepsFromAnyTypedValueWithinItsRange) {
    Opened item(156);
    for (const auto& [typed, up, down] : {std::tuple{"2147483647", "0", "0"}, std::tuple{"-2147483648", "31", "31"},
                                           std::tuple{"9999999999999", "0", "0"}, std::tuple{"x", "1", "31"},
                                           std::tuple{"31", "0", "30"}, std::tuple{"0", "1", "31"}}) {
        item.probe.setText(1209, typed);
        EXPECT_TRUE(item.window.userSpin(1198, 1));
        EXPECT_EQ(item.probe.text(1209), up) << typed;
        item.probe.setText(1209, typed);
        EXPECT_TRUE(item.window.userSpin(1198, -1));
        EXPECT_EQ(item.probe.text(1209), down) << typed;
    }
}

// The city list, 132: its list 1008 is sorted.
TEST(Window, SortedListsFoldToLowerCaseSelectionsFollowTheirItemsAndPrefixesFindAnyCase) {
    Opened o(132);
    Probe& probe = o.probe;
    probe.setItems(1008, {"delta", "Alpha", "charlie", "Bravo"});
    EXPECT_EQ(probe.items(1008), (std::vector<std::string>{"Alpha", "Bravo", "charlie", "delta"}));
    probe.setSelection(1008, 2);
    EXPECT_EQ(probe.addItem(1008, "BETA"), 1);
    EXPECT_EQ(probe.selectedText(1008), "charlie");  // selection follows its item
    EXPECT_EQ(probe.addItem(1008, "zulu"), 5);
    EXPECT_EQ(probe.addItem(1008, "a"), 0);
    // Signs come before letters.
    probe.setItems(1008, {"beta", "_under", "Alpha", "[x", "\xE9\x63lat", "Zed"});
    EXPECT_EQ(probe.items(1008), (std::vector<std::string>{"[x", "_under", "Alpha", "beta", "Zed", "\xE9\x63lat"}));
    probe.addItem(1008, "^caret");
    EXPECT_EQ(probe.items(1008)[1], "^caret");
    // The first entry that begins with the prefix; an empty one begins every entry.
    probe.setItems(1008, {"TOWNS", "towers", "Hills"});
    probe.selectByPrefix(1008, "to");
    EXPECT_EQ(probe.selectedText(1008), "towers");
    probe.selectByPrefix(1008, "nothing");
    EXPECT_EQ(probe.selection(1008), -1);
    probe.selectByPrefix(1008, "");
    EXPECT_EQ(probe.selectedText(1008), "Hills");
}

TEST(Window, DoubleClickSelectsFirst) {
    Opened o(132);
    o.probe.setItems(1008, {"A", "B"});
    EXPECT_TRUE(o.window.userDoubleClick(1008, 1));
    EXPECT_EQ(o.probe.selectedText(1008), "B");
    EXPECT_EQ(o.probe.events, (std::vector<std::string>{"change 1008", "double 1008"}));
    EXPECT_FALSE(o.window.userDoubleClick(1008, 2));
}

// The main window's system menu: F1 is its first item, About; a menu line
// takes only the items the layout lists, and a window without any takes none.
TEST(Window, SystemMenuItemsAndF1) {
    Opened main(102);
    EXPECT_TRUE(main.window.userF1());
    EXPECT_TRUE(main.window.userMenu(32));
    EXPECT_TRUE(main.window.userMenu(16));
    EXPECT_FALSE(main.window.userMenu(1001));
    EXPECT_EQ(main.probe.events, (std::vector<std::string>{"command 16", "command 32", "command 16"}));

    Opened editor;
    EXPECT_FALSE(editor.window.userF1());
    EXPECT_FALSE(editor.window.userMenu(16));
    EXPECT_TRUE(editor.probe.events.empty());
}

// The focus starts where the layout says and goes where the controller sends it.
TEST(Window, OpensWithTheFocusPastTheReadOnlyPath) {
    Opened textFile(183);
    EXPECT_EQ(textFile.window.focused(), 1295);
    textFile.probe.focus(1296);
    EXPECT_EQ(textFile.window.focused(), 1296);
    textFile.probe.focus(4242);  // no such control: the focus stays
    EXPECT_EQ(textFile.window.focused(), 1296);
}

TEST(DataExchange, ShowsTheStandardMessagesAndStopsAtTheFirst) {
    Opened o;
    o.probe.setText(1011, std::string(17, 'x'));
    o.probe.setText(1012, "nope");
    DataExchange dx(o.probe);
    std::string text;
    long number = 0;
    EXPECT_FALSE(dx.text(1011, 16, text));
    EXPECT_FALSE(dx.integer(1012, number));
    ASSERT_EQ(o.host.messages().size(), 1u);
    EXPECT_EQ(o.host.messages()[0], (MessageBox{"kstred", "Please enter no more than 16 characters.", Icon::Exclamation}));
    EXPECT_EQ(o.window.focused(), 1011);
}

TEST(DataExchange, IntegersAndTheirRange) {
    const std::vector<std::pair<std::string, std::string>> cases{
        {"12", ""},
        {" -3 ", ""},
        {"+7", ""},
        {"", "Please enter an integer."},
        {"1x", "Please enter an integer."},
        {"--1", "Please enter an integer."},
        {"99999999999999999999", "Please enter an integer."},
        {"101", "Please enter an integer between -5 and 100."},
        {"-6", "Please enter an integer between -5 and 100."},
    };
    for (const auto& [input, message] : cases) {
        Opened o;
        o.probe.setText(1013, input);
        DataExchange dx(o.probe);
        long value = 0;
        EXPECT_EQ(dx.integer(1013, -5, 100, value), message.empty()) << input;
        EXPECT_EQ(o.host.messages().empty() ? "" : o.host.messages()[0].text, message) << input;
    }
}

TEST(DataExchange, FormatsPlaceholders) {
    EXPECT_EQ(formatMessage("between %1 and %2.", -32768, 32767), "between -32768 and 32767.");
    EXPECT_EQ(formatMessage("100%", 1), "100%");
}

}  // namespace
}  // namespace kestrel::ui
