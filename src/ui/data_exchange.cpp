#include "ui/data_exchange.hpp"

#include <cctype>
#include <climits>

#include "ui/dialog.hpp"
#include "ui/host.hpp"

namespace kestrel::ui {

std::string formatMessage(std::string_view pattern, long first, long second) {
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && (pattern[i + 1] == '1' || pattern[i + 1] == '2')) {
            out += std::to_string(pattern[++i] == '1' ? first : second);
        } else {
            out.push_back(pattern[i]);
        }
    }
    return out;
}

bool parseInteger(std::string_view text, long& value) {
    std::size_t i = 0;
    const auto blank = [&](std::size_t k) { return k < text.size() && std::isspace(static_cast<unsigned char>(text[k])); };
    while (blank(i)) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    const std::size_t digits = i;
    long v = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        if (v > (LONG_MAX - 9) / 10) return false;
        v = v * 10 + (text[i] - '0');
    }
    if (i == digits) return false;
    while (blank(i)) ++i;
    if (i != text.size()) return false;
    value = negative ? -v : v;
    return true;
}

bool DataExchange::reject(int id, const std::string& message) {
    ok_ = false;
    dialog_.host().message(message, kValidationCaption, Icon::Exclamation);
    dialog_.focus(id);
    return false;
}

bool DataExchange::text(int id, std::size_t maxChars, std::string& out) {
    if (!ok_) return false;
    std::string value = dialog_.text(id);
    if (value.size() > maxChars) return reject(id, formatMessage(kTooLongMessage, static_cast<long>(maxChars)));
    out = std::move(value);
    return true;
}

bool DataExchange::integer(int id, long& out) {
    if (!ok_) return false;
    long value = 0;
    if (!parseInteger(dialog_.text(id), value)) return reject(id, std::string(kNotIntegerMessage));
    out = value;
    return true;
}

bool DataExchange::integer(int id, long minValue, long maxValue, long& out) {
    long value = 0;
    if (!integer(id, value)) return false;
    if (value < minValue || value > maxValue) return reject(id, formatMessage(kOutOfRangeMessage, minValue, maxValue));
    out = value;
    return true;
}

}  // namespace kestrel::ui
