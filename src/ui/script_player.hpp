// Plays a script of user actions and expectations against the top dialog of
// a host, writing a transcript. The line forms are a public interface.
#pragma once
#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrel::ui {

class Host;
class Window;

struct ScriptToken {
    enum class Kind { Word, Number, Text, Index };
    Kind kind = Kind::Word;
    std::string text;  // words and texts (texts in the 8-bit code page; host paths as written)
    int value = 0;     // numbers and #indexes
};

struct ScriptLine {
    int number = 0;
    std::vector<ScriptToken> tokens;
};

// Splits and checks every line; nothing when a line cannot be read, with
// `badLine` set to its number.
std::optional<std::vector<ScriptLine>> parseScript(std::string_view text, int& badLine);

class ScriptPlayer {
public:
    ScriptPlayer(Host& host, std::vector<ScriptLine> lines);

    // Runs lines until `window` closes. When the script ends or fails, every
    // open dialog closes as by Cancel and the main window as by Quit.
    void play(Window& window);
    // Lines left after the main window closed (only expectations can hold).
    void playRest();

    int exitStatus() const { return failed_ ? 1 : 0; }
    std::optional<std::string> nextFileAnswer();

private:
    bool finished() const { return failed_ || next_ >= lines_.size(); }
    void run(const ScriptLine& line);
    bool act(const ScriptLine& line, Window* top);
    void expect(const ScriptLine& line, Window* top);
    void fail(const ScriptLine& line, const std::string& what);
    void dump(Window& top);
    void snapshot(const ScriptLine& line, Window& top);

    Host& host_;
    std::vector<ScriptLine> lines_;
    std::size_t next_ = 0;
    bool failed_ = false;
    std::size_t nextMessage_ = 0;  // oldest message not yet expected
    std::deque<std::optional<std::string>> fileAnswers_;
};

}  // namespace kestrel::ui
