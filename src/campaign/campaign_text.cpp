#include "campaign/campaign_text.hpp"

#include <algorithm>
#include <vector>

namespace kestrel::campaign {

namespace {

// The lines between LF characters; a CR before the LF and NUL bytes go.
std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (true) {
        const std::size_t end = text.find('\n', at);
        std::string line(text.substr(at, end == std::string_view::npos ? std::string_view::npos : end - at));
        std::erase(line, '\0');
        while (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        if (end == std::string_view::npos) break;
        at = end + 1;
    }
    return lines;
}

template <class Out>
void forEachPiece(const std::string& line, std::size_t piece, Out out) {
    if (line.empty()) out(std::string_view{});
    for (std::size_t at = 0; at < line.size(); at += piece) out(std::string_view(line).substr(at, piece));
}

}  // namespace

std::string readCampaignText(std::span<const std::uint8_t> file) {
    const std::string_view bytes(reinterpret_cast<const char*>(file.data()), file.size());
    std::vector<std::string> lines = splitLines(bytes);
    // The LF that ends the last line starts no line of its own.
    if (!bytes.empty() && bytes.back() == '\n') lines.pop_back();
    if (bytes.empty()) lines.clear();
    std::string text;
    for (const auto& line : lines)
        forEachPiece(line, kTextReadPiece, [&](std::string_view piece) {
            // Saving drops a CR that ends a piece; reading does too, so a saved text reads the same.
            text += piece.substr(0, piece.find_last_not_of('\r') + 1);
            text += "\r\n";
        });
    return text;
}

core::Bytes writeCampaignText(std::string_view text) {
    std::string out;
    bool first = true;
    for (const auto& line : splitLines(text))
        forEachPiece(line, kTextWrittenLine, [&](std::string_view piece) {
            if (!first) out += "\r\n";
            out += piece;
            first = false;
        });
    return core::Bytes(out.begin(), out.end());
}

std::string lossTextName(int row) { return "LOSS" + std::to_string(row) + ".TXT"; }

}  // namespace kestrel::campaign
