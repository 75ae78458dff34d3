#include "qt/qt_text.hpp"

#include "core/cp1252.hpp"

namespace kestrel::qt {

QString fromGame(std::string_view text) {
    QString out;
    out.reserve(static_cast<qsizetype>(text.size()));
    for (const char c : text) {
        // Every code point of the code page lies in the basic plane.
        out.append(QChar(static_cast<char16_t>(core::cp1252ToCodePoint(static_cast<unsigned char>(c)))));
    }
    return out;
}

std::string toGame(const QString& text) {
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (const char32_t cp : text.toUcs4()) {
        const auto byte = core::codePointToCp1252(cp);
        out.push_back(byte ? static_cast<char>(*byte) : '?');
    }
    return out;
}

bool isGameText(const QString& text) {
    for (const QChar c : text)
        if (c.isSurrogate() || !core::codePointToCp1252(c.unicode())) return false;
    return true;
}

QValidator::State GameTextValidator::validate(QString& input, int&) const {
    if (!isGameText(input)) return Invalid;
    const std::string text = toGame(input);
    return ui::typedText(typing_, text) == text ? Acceptable : Invalid;
}

}  // namespace kestrel::qt
