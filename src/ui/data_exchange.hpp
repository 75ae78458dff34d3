// Reads controls into values on OK, with the limits and the standard
// messages. The first failure shows its message, focuses the control and
// makes every later read fail silently.
#pragma once
#include <string>
#include <string_view>

namespace kestrel::ui {

class Dialog;

inline constexpr std::string_view kTooLongMessage = "Please enter no more than %1 characters.";
inline constexpr std::string_view kNotIntegerMessage = "Please enter an integer.";
inline constexpr std::string_view kOutOfRangeMessage = "Please enter an integer between %1 and %2.";
// Validation messages carry the program's name as caption.
inline constexpr std::string_view kValidationCaption = "kstred";

std::string formatMessage(std::string_view pattern, long first, long second = 0);
// An integer as the dialog system reads one: blanks around it, an optional
// sign, digits and nothing else.
bool parseInteger(std::string_view text, long& value);

class DataExchange {
public:
    explicit DataExchange(Dialog& dialog) : dialog_(dialog) {}

    bool text(int id, std::size_t maxChars, std::string& out);
    bool integer(int id, long minValue, long maxValue, long& out);
    bool integer(int id, long& out);
    // The same, stored in the field's own type.
    template <class T>
    bool integer(int id, long minValue, long maxValue, T& out) {
        long value = 0;
        if (!integer(id, minValue, maxValue, value)) return false;
        out = static_cast<T>(value);
        return true;
    }
    // Any integer, kept in T's width without a range check (as 16-bit values
    // of special abilities are).
    template <class T>
    bool wrapped(int id, T& out) {
        long value = 0;
        if (!integer(id, value)) return false;
        out = static_cast<T>(value);
        return true;
    }
    bool ok() const { return ok_; }

private:
    bool reject(int id, const std::string& message);

    Dialog& dialog_;
    bool ok_ = true;
};

}  // namespace kestrel::ui
