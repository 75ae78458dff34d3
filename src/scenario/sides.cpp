#include "scenario/sides.hpp"

#include <algorithm>

#include "core/record_fields.hpp"
#include "scenario/scenario_files.hpp"

namespace kestrel::scenario {

namespace {

using L = SideLayout;

// Reads the fields of a record that may end early: a field the record does
// not reach keeps the value it had.
class FieldReader {
public:
    explicit FieldReader(std::span<const std::uint8_t> record) : r_(record) {}

    bool reaches(std::size_t at) const { return at < r_.size(); }
    void flag(std::size_t at, bool& out) const {
        if (reaches(at)) out = r_.u8(at) != 0;
    }
    void u8(std::size_t at, std::uint8_t& out) const {
        if (reaches(at)) out = r_.u8(at);
    }
    void s16(std::size_t at, int& out) const {
        if (reaches(at)) out = r_.s16(at);
    }
    void s32(std::size_t at, std::int32_t& out) const {
        if (!reaches(at)) return;
        std::uint32_t v = 0;
        for (std::size_t i = 0; i < sizeof v; ++i) v |= static_cast<std::uint32_t>(r_.u8(at + i)) << (8 * i);
        out = static_cast<std::int32_t>(v);
    }
    void text(std::size_t at, std::size_t size, std::string& out) const {
        if (reaches(at)) out = r_.text(at, size);
    }
    template <std::size_t N>
    void names(std::size_t at, std::array<std::string, N>& out) const {
        for (std::size_t i = 0; i < N; ++i) text(at + i * L::kEntryNameSize, L::kEntryNameSize, out[i]);
    }
    template <std::size_t N>
    void bytes(std::size_t at, std::array<std::uint8_t, N>& out) const {
        if (reaches(at))
            for (std::size_t i = 0; i < N; ++i) out[i] = r_.u8(at + i);
    }

private:
    core::RecordReader r_;
};

template <std::size_t N>
void writeNames(core::RecordWriter& w, std::size_t at, const std::array<std::string, N>& names) {
    for (std::size_t i = 0; i < N; ++i) w.text(at + i * L::kEntryNameSize, L::kEntryNameSize, names[i]);
}

template <std::size_t N>
void printNames(std::ostream& out, const char* label, const std::array<std::string, N>& names) {
    out << ", " << label << " {";
    for (std::size_t i = 0; i < N; ++i) out << (i ? " \"" : "\"") << names[i] << '"';
    out << '}';
}

}  // namespace

std::ostream& operator<<(std::ostream& out, const Side& s) {
    out << "Side{used " << s.used << ", \"" << s.name << "\", \"" << s.description << "\", advisor \"" << s.advisor
        << "\", stacking " << s.stackingLimit << ", mana " << s.manaType << '/' << s.maxMana << '/' << s.initialMana
        << ", level " << s.level << ", gold " << s.startingGold << ", options " << s.getMercenaries << s.sellItems
        << s.heroOnTurn1 << s.enhanced;
    printNames(out, "shields", s.shields);
    printNames(out, "regulars", s.regulars);
    printNames(out, "allies", s.allies);
    printNames(out, "mercenaries", s.mercenaries);
    out << ", ship \"" << s.ship << '"';
    printNames(out, "heroes", s.heroes);
    out << ", flag \"" << s.armyFlag << "\", reserved";
    for (const auto b : s.reserved.at188) out << ' ' << int(b);
    for (const auto b : s.reserved.at208) out << ' ' << int(b);
    out << ' ' << int(s.reserved.at228);
    for (const auto b : s.reserved.at229) out << ' ' << int(b);
    return out << '}';
}

Side defaultSide(std::size_t record) {
    Side side;
    if (record == SidesFileLayout::kNeutrals) {
        side.used = true;
        side.name = std::string(kNeutralsName);
    }
    return side;
}

Sides defaultSides() {
    Sides sides;
    for (std::size_t i = 0; i < sides.size(); ++i) sides[i] = defaultSide(i);
    return sides;
}

Side readSide(std::span<const std::uint8_t> record, const Side& missing) {
    const FieldReader f(record.subspan(0, std::min(record.size(), L::kSize)));
    Side s = missing;
    f.flag(L::kUsed, s.used);
    f.text(L::kName, L::kNameSize, s.name);
    f.text(L::kDescription, L::kDescriptionSize, s.description);
    f.names(L::kShields, s.shields);
    f.bytes(L::kReserved188, s.reserved.at188);
    f.text(L::kAdvisor, L::kEntryNameSize, s.advisor);
    f.s16(L::kStackingLimit, s.stackingLimit);
    f.bytes(L::kReserved208, s.reserved.at208);
    f.s16(L::kManaType, s.manaType);
    f.s16(L::kMaxMana, s.maxMana);
    f.s16(L::kInitialMana, s.initialMana);
    f.s16(L::kLevel, s.level);
    f.s32(L::kStartingGold, s.startingGold);
    f.flag(L::kGetMercenaries, s.getMercenaries);
    f.flag(L::kSellItems, s.sellItems);
    f.flag(L::kHeroOnTurn1, s.heroOnTurn1);
    f.flag(L::kEnhanced, s.enhanced);
    f.u8(L::kReserved228, s.reserved.at228);
    f.bytes(L::kReserved229, s.reserved.at229);
    f.names(L::kRegulars, s.regulars);
    f.names(L::kAllies, s.allies);
    f.names(L::kMercenaries, s.mercenaries);
    f.text(L::kShip, L::kEntryNameSize, s.ship);
    f.names(L::kHeroes, s.heroes);
    f.text(L::kArmyFlag, L::kEntryNameSize, s.armyFlag);
    return s;
}

core::Bytes writeSide(const Side& s) {
    core::RecordWriter w(L::kSize);
    w.u8(L::kUsed, s.used ? 1 : 0);
    w.text(L::kName, L::kNameSize, s.name);
    w.text(L::kDescription, L::kDescriptionSize, s.description);
    writeNames(w, L::kShields, s.shields);
    std::ranges::copy(s.reserved.at188, w.span(L::kReserved188, L::kReserved188Size).begin());
    w.text(L::kAdvisor, L::kEntryNameSize, s.advisor);
    w.s16(L::kStackingLimit, s.stackingLimit);
    std::ranges::copy(s.reserved.at208, w.span(L::kReserved208, L::kReserved208Size).begin());
    w.s16(L::kManaType, s.manaType);
    w.s16(L::kMaxMana, s.maxMana);
    w.s16(L::kInitialMana, s.initialMana);
    w.s16(L::kLevel, s.level);
    core::putS32(w.span(L::kStartingGold, L::kStartingGoldSize), 0, s.startingGold);
    w.u8(L::kGetMercenaries, s.getMercenaries ? 1 : 0);
    w.u8(L::kSellItems, s.sellItems ? 1 : 0);
    w.u8(L::kHeroOnTurn1, s.heroOnTurn1 ? 1 : 0);
    w.u8(L::kEnhanced, s.enhanced ? 1 : 0);
    w.u8(L::kReserved228, s.reserved.at228);
    std::ranges::copy(s.reserved.at229, w.span(L::kReserved229, L::kReserved229Size).begin());
    writeNames(w, L::kRegulars, s.regulars);
    writeNames(w, L::kAllies, s.allies);
    writeNames(w, L::kMercenaries, s.mercenaries);
    w.text(L::kShip, L::kEntryNameSize, s.ship);
    writeNames(w, L::kHeroes, s.heroes);
    w.text(L::kArmyFlag, L::kEntryNameSize, s.armyFlag);
    return w.take();
}

Sides readSides(std::span<const std::uint8_t> file) {
    Sides sides = defaultSides();
    for (std::size_t i = 0; i < sides.size(); ++i) {
        const std::size_t at = i * L::kSize;
        if (at >= file.size()) break;
        sides[i] = readSide(file.subspan(at, std::min(L::kSize, file.size() - at)), sides[i]);
    }
    return sides;
}

core::Bytes writeSides(const Sides& sides) {
    core::Bytes file;
    file.reserve(SidesFileLayout::kSize);
    for (const auto& side : sides) {
        const auto record = writeSide(side);
        file.insert(file.end(), record.begin(), record.end());
    }
    return file;
}

Sides loadSides(const core::DataRoot& root, std::string_view scenario) {
    const auto file = root.read(scenarioFile(scenario, kSidesFile), SidesFileLayout::kSize);
    return file ? readSides(*file) : defaultSides();
}

bool saveSides(const core::DataRoot& root, std::string_view scenario, const Sides& sides) {
    return root.writeAtomic(scenarioFile(scenario, kSidesFile), writeSides(sides));
}

}  // namespace kestrel::scenario
