#include "ui/script_player.hpp"

#include <fstream>

#include "core/cp1252.hpp"
#include "core/escaped_text.hpp"
#include "ui/dialog.hpp"
#include "ui/host.hpp"
#include "ui/window.hpp"

namespace kestrel::ui {

namespace {

using Kind = ScriptToken::Kind;

std::string describeItems(const std::vector<std::string>& items) {
    if (items.empty()) return "no items";
    std::string out;
    for (const auto& item : items) out += (out.empty() ? "" : " ") + quote(item);
    return out;
}

std::string describeMessage(const MessageBox& box) {
    return "message " + core::escapeControls(box.caption) + " " + quote(box.text);
}

std::string onOff(bool on) { return on ? "on" : "off"; }

// The item a token names: a text equal to an item, or #N.
int itemIndex(const ControlState& state, const ScriptToken& token) {
    if (token.kind == Kind::Index) return token.value < static_cast<int>(state.items.size()) ? token.value : -2;
    if (token.kind == Kind::Word && token.text == "none") return -1;
    for (std::size_t i = 0; i < state.items.size(); ++i)
        if (state.items[i] == token.text) return static_cast<int>(i);
    return -2;
}

}  // namespace

ScriptPlayer::ScriptPlayer(Host& host, std::vector<ScriptLine> lines) : host_(host), lines_(std::move(lines)) {}

std::optional<std::string> ScriptPlayer::nextFileAnswer() {
    if (fileAnswers_.empty()) return std::nullopt;
    auto answer = fileAnswers_.front();
    fileAnswers_.pop_front();
    return answer;
}

void ScriptPlayer::play(Window& window) {
    while (!window.isClosed()) {
        if (finished()) {
            const bool isMain = host_.openDialogs().size() == 1;
            window.close(isMain ? kIdOk : kIdCancel);
            break;
        }
        run(lines_[next_++]);
    }
}

void ScriptPlayer::playRest() {
    while (!finished()) run(lines_[next_++]);
}

void ScriptPlayer::fail(const ScriptLine& line, const std::string& what) {
    host_.record("FAIL line " + std::to_string(line.number) + ": " + what);
    failed_ = true;
}

void ScriptPlayer::run(const ScriptLine& line) {
    Dialog* dialog = host_.topDialog();
    Window* top = dialog ? dialog->window() : nullptr;
    const std::string& verb = line.tokens[0].text;
    if (verb == "expect") {
        expect(line, top);
    } else if (verb == "file") {
        const ScriptToken& t = line.tokens[1];
        fileAnswers_.push_back(t.kind == Kind::Text ? std::optional<std::string>(t.text) : std::nullopt);
    } else if (!top) {
        fail(line, "expected an open dialog, got none");
    } else if (verb == "snapshot") {
        snapshot(line, *top);
    } else if (!act(line, top)) {
        fail(line, "expected control " + std::to_string(line.tokens[1].value) + " to take the action, got refused");
    }
}

bool ScriptPlayer::act(const ScriptLine& line, Window* top) {
    const auto& t = line.tokens;
    const std::string& verb = t[0].text;
    if (verb == "dump") {
        dump(*top);
        return true;
    }
    if (verb == "key") {
        if (t[1].text == "f1") return top->userF1();
        if (t[1].text == "escape")
            top->userEscape();
        else
            top->userEnter();
        return true;
    }
    if (verb == "mouse") {
        static const std::pair<std::string_view, MouseEvent::Kind> kinds[] = {
            {"left", MouseEvent::Kind::LeftDown},
            {"right", MouseEvent::Kind::RightDown},
            {"move", MouseEvent::Kind::Move},
            {"release", MouseEvent::Kind::Release}};
        for (const auto& [word, kind] : kinds)
            if (word == t[1].text) return top->userMouse({kind, t[2].value, t[3].value});
        return false;
    }
    const int id = t[1].value;
    if (verb == "click") return top->userClick(id);
    if (verb == "menu") return top->userMenu(id);
    if (verb == "type") return top->userType(id, t[2].text);
    if (verb == "check") return top->userCheck(id, t[2].text == "on");
    if (verb == "radio") return top->userRadio(id);
    if (verb == "spin") return top->userSpin(id, t[2].text == "up" ? 1 : -1);
    if (!top->has(id)) return false;
    const int index = itemIndex(top->state(id), t[2]);
    if (index < -1) return false;
    return verb == "select" ? top->userSelect(id, index) : top->userDoubleClick(id, index);
}

void ScriptPlayer::expect(const ScriptLine& line, Window* top) {
    const auto& t = line.tokens;
    const std::string& what = t[1].text;
    const auto& messages = host_.messages();
    if (what == "message") {
        const std::string wanted = describeMessage({t[2].text, t[3].text});
        if (nextMessage_ >= messages.size())
            fail(line, "expected " + wanted + ", got no message");
        else if (const auto& got = messages[nextMessage_++]; got.caption != t[2].text || got.text != t[3].text)
            fail(line, "expected " + wanted + ", got " + describeMessage(got));
        return;
    }
    if (what == "no-message") {
        if (nextMessage_ < messages.size())
            fail(line, "expected no-message, got " + describeMessage(messages[nextMessage_]));
        return;
    }
    if (what == "open") {
        const std::string got = top ? std::to_string(top->layout().resourceId) : "none";
        const std::string wanted = t[2].kind == Kind::Number ? std::to_string(t[2].value) : "none";
        if (got != wanted) fail(line, "expected open " + wanted + ", got " + got);
        return;
    }
    if (!top) {
        fail(line, "expected an open dialog, got none");
        return;
    }
    if (what == "caption") {
        if (top->caption() != t[2].text)
            fail(line, "expected caption " + quote(t[2].text) + ", got " + quote(top->caption()));
        return;
    }
    const int id = t[2].value;
    const std::string control = what + " " + std::to_string(id);
    if (!top->has(id)) {
        fail(line, "expected control " + std::to_string(id) + ", got none");
        return;
    }
    const ControlState& s = top->state(id);
    if (what == "text") {
        if (s.text != t[3].text) fail(line, "expected " + control + " " + quote(t[3].text) + ", got " + quote(s.text));
    } else if (what == "checked") {
        if (onOff(s.checked) != t[3].text) fail(line, "expected " + control + " " + t[3].text + ", got " + onOff(s.checked));
    } else if (what == "selected") {
        const std::string got = s.selection < 0 ? "none" : quote(s.items[s.selection]);
        const std::string wanted = t[3].kind == Kind::Text ? quote(t[3].text) : "none";
        if (got != wanted) fail(line, "expected " + control + " " + wanted + ", got " + got);
    } else if (what == "items") {
        std::vector<std::string> wanted;
        for (std::size_t i = 3; i < t.size(); ++i) wanted.push_back(t[i].text);
        if (wanted != s.items)
            fail(line, "expected " + control + " " + describeItems(wanted) + ", got " + describeItems(s.items));
    }
}

void ScriptPlayer::snapshot(const ScriptLine& line, Window& top) {
    const std::string& path = line.tokens[1].text;
    const core::Bytes bmp = top.client().toBmp();
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bmp.data()), static_cast<std::streamsize>(bmp.size()));
    out.close();
    if (out.fail()) {
        // The transcript is written from the code page; the path is UTF-8.
        fail(line, "cannot write " + core::utf8ToCp1252(path).value_or(path));
        return;
    }
    host_.snapshot(top, path);
}

void ScriptPlayer::dump(Window& top) {
    host_.record("dump " + std::to_string(top.layout().resourceId) + " " + quote(top.caption()));
    for (const int id : top.controlIds()) {
        const ControlState& s = top.state(id);
        std::string line = "  " + std::to_string(id) + " " + controlKindName(s.def->kind) + " " + quote(s.def->label);
        if (isTextControl(s.def->kind) || isListControl(s.def->kind)) line += " text " + quote(s.text);
        if (s.def->kind == ControlKind::Check || s.def->kind == ControlKind::Radio) line += " checked " + onOff(s.checked);
        if (isListControl(s.def->kind)) {
            line += " selected " + (s.selection < 0 ? std::string("none") : quote(s.items[s.selection]));
            line += " items " + describeItems(s.items);
        }
        host_.record(line);
    }
}

}  // namespace kestrel::ui
