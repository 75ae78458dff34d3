// The start, end and loss texts of a campaign: plain text files with CR LF
// line breaks, edited as one text whose lines end in CR LF.
#pragma once
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "core/bytes.hpp"

namespace kestrel::campaign {

// The longest piece of a line read at once, and the longest line written;
// longer lines are kept as several lines rather than cut.
inline constexpr std::size_t kTextReadPiece = 1022;
inline constexpr std::size_t kTextWrittenLine = 1023;
// Texts are a few lines; this only keeps a stray large file out of memory.
inline constexpr std::size_t kMaxTextFile = std::size_t{1} << 20;

// Every line of the file, in pieces of at most kTextReadPiece characters,
// each followed by CR LF; CR and LF at the end of a line or of a piece and
// NUL bytes anywhere are dropped.
std::string readCampaignText(std::span<const std::uint8_t> file);
// The lines of the text, in pieces of at most kTextWrittenLine characters,
// with CR LF between them and none after the last.
core::Bytes writeCampaignText(std::string_view text);

std::string lossTextName(int row);  // "LOSS<r>.TXT"

}  // namespace kestrel::campaign
