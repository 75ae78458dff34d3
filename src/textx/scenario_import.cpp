#include "textx/scenario_import.hpp"

#include <algorithm>
#include <array>
#include <vector>

#include "core/cp1252.hpp"
#include "core/fixed_text.hpp"
#include "core/record_fields.hpp"
#include "core/text_case.hpp"
#include "scenario/city_file.hpp"
#include "scenario/city_ini.hpp"
#include "scenario/placed_head.hpp"
#include "scenario/placement_files.hpp"
#include "scenario/ruin_file.hpp"
#include "scenario/scenario_files.hpp"
#include "textx/po_reader.hpp"
#include "textx/scenario_export.hpp"
#include "textx/scenario_sections.hpp"
#include "textx/text_reader.hpp"

namespace kestrel::textx {

namespace {

using CityIni = scenario::CityIniLayout;
using ItemIni = scenario::ItemPlacementLayout;
using Head = scenario::PlacedHeadLayout;

constexpr std::string_view kNameStem = "#NAME";

// The hero flag wins over the ruin flag, as in the placement editor: an item
// held by a hero of the ruin's name is not the ruin's.
bool heldInRuin(std::span<const std::uint8_t> record) {
    const core::RecordReader r(record);
    return r.s8(ItemIni::kHero) == 0 && r.s8(ItemIni::kRuin) != 0;
}

// A file whose records name cities or ruins: renaming one renames them.
struct References {
    std::string_view named;  // the file of the names referred to
    std::string_view file;
    std::size_t blocks;  // counted blocks, one after the other
    std::size_t recordSize;
    std::size_t limit;  // records of a block the editors hold
    FieldAt name;
    bool (*refers)(std::span<const std::uint8_t> record);  // null: every record
};

constexpr std::array kReferences{
    References{scenario::kCityFile,
               scenario::kCityIniFile,
               2,
               CityIni::kSize,
               scenario::CityIniFileLayout::kLimit,
               {CityIni::kCity, CityIni::kCitySize},
               nullptr},
    References{scenario::kRuinFile,
               scenario::kItemPlacementFile,
               1,
               ItemIni::kSize,
               ItemIni::kMaxRecords,
               {ItemIni::kHolder, ItemIni::kHolderSize},
               heldInRuin},
};

// All that 16-bit counts can name, so that nothing behind the editors'
// storage is cut off when the file is written back.
constexpr std::size_t mostNamed(const References& refs) {
    return refs.blocks * (Head::kCountSize + 32767 * refs.recordSize);
}

// Renames every record within the editors' storage that names `from`.
bool rename(core::Bytes& file, const References& refs, std::string_view from, std::string_view to) {
    bool changed = false;
    std::size_t at = 0;
    for (std::size_t block = 0; block < refs.blocks && at < file.size(); ++block) {
        const auto rest = std::span<const std::uint8_t>(file).subspan(at);
        for (const auto record : scenario::countedRecords(rest, refs.recordSize, refs.limit)) {
            if (record.size() < refs.name.offset + refs.name.size) continue;  // cut short by the file's end
            if ((refs.refers && !refs.refers(record)) ||
                core::readFixedText(record, refs.name.offset, refs.name.size) != from)
                continue;
            core::writeFixedText(file, static_cast<std::size_t>(record.data() - file.data()) + refs.name.offset,
                                 refs.name.size, to);
            changed = true;
        }
        // The next block follows as many records as the count names.
        at += Head::kCountSize +
              static_cast<std::size_t>(std::max<int>(core::RecordReader(rest).s16(0), 0)) * refs.recordSize;
    }
    return changed;
}

// A file of the scenario's folder, held from its first tag to the end.
struct HeldFile {
    std::string_view name;
    std::optional<core::Bytes> bytes;  // nothing when it cannot be read
    std::size_t changes = 0;
};

class ScenarioImport {
public:
    ScenarioImport(const core::DataRoot& root, std::string_view scenario) : root_(root), scenario_(scenario) {}

    // A tag of section `section` (1 for the first banner); with `only`, a
    // tag of another file of the section is ignored.
    void apply(int section, const TagLine& line, const ScenarioSource* only = nullptr) {
        // A blank alone keeps a name, as an empty text keeps any field.
        if (line.text.empty() || (line.stem() == kNameStem && line.text == " ")) return;
        const auto target = findScenarioTag(static_cast<std::size_t>(section), line.stem(), line.numbered);
        if (!target || (only && target->source != only)) return skip(Skip::UnknownTag);
        HeldFile& file = held(*target->source);
        if (!file.bytes) return skip(Skip::UnreadableFile);
        const TagGroup& group = *target->group;
        const ScenarioTag& tag = *target->tag;
        if (line.numbered &&
            (line.index < 0 || static_cast<std::size_t>(line.index) >= importedCount(group, *file.bytes)))
            return skip(Skip::OutsideFile);
        const std::size_t index = line.numbered ? static_cast<std::size_t>(line.index) : 0;
        // A record cut short by the file's end is completed, never more.
        const std::size_t fullSize = group.records.form == RecordForm::Counted
                                         ? group.records.first + (index + 1) * group.records.size
                                         : target->source->rewriteSize;
        const std::string before = fieldText(group, tag, index, *file.bytes);
        if (!putText(*file.bytes, fieldOffset(group, tag, index), tag.field.size, tag.limit, line.text, fullSize))
            return;
        ++file.changes;
        if (tag.stem == kNameStem && !before.empty())
            for (std::size_t i = 0; i < kReferences.size(); ++i)
                if (kReferences[i].named == file.name)
                    renames_[i].emplace_back(before, fieldText(group, tag, index, *file.bytes));
    }

    void skip(Skip why) { result_.skip(why); }
    void refuse(std::string context) { result_.unencodable.push_back(std::move(context)); }

    ImportResult finish() {
        writeAll();
        result_.opened = true;
        return std::move(result_);
    }

private:
    HeldFile& held(const ScenarioSource& source) {
        for (HeldFile& file : files_)
            if (file.name == source.file) return file;
        std::optional<core::Bytes> bytes;
        if (isScenarioFolderName(scenario_))
            bytes = root_.read(scenario::scenarioFile(scenario_, source.file), source.rewriteSize);
        return files_.emplace_back(HeldFile{source.file, std::move(bytes)});
    }

    bool write(std::string_view name, const core::Bytes& bytes) {
        const std::string path = scenario::scenarioFile(scenario_, name);
        const bool ok = root_.writeAtomic(path, bytes);
        (ok ? result_.written : result_.failed).push_back(path);
        return ok;
    }

    // Each file once, then the references of the names that changed in a
    // file that could be written, in the order they changed.
    void writeAll() {
        std::vector<std::string_view> written;
        for (const HeldFile& file : files_) {
            if (file.changes == 0 || !write(file.name, *file.bytes)) continue;
            written.push_back(file.name);
            result_.changed += file.changes;
        }
        for (std::size_t i = 0; i < kReferences.size(); ++i) {
            const References& refs = kReferences[i];
            if (renames_[i].empty() || std::find(written.begin(), written.end(), refs.named) == written.end()) continue;
            auto bytes = root_.read(scenario::scenarioFile(scenario_, refs.file), mostNamed(refs));
            if (!bytes) continue;
            bool changed = false;
            for (const auto& [from, to] : renames_[i]) changed = rename(*bytes, refs, from, to) || changed;
            if (changed) write(refs.file, *bytes);
        }
    }

    const core::DataRoot& root_;
    std::string scenario_;
    ImportResult result_;
    std::vector<HeldFile> files_;
    std::array<std::vector<std::pair<std::string, std::string>>, kReferences.size()> renames_;
};

// "CITY.DAT", or "SCENARIO\ISLANDS\CITY.DAT" of whichever scenario the PO
// file was made from: the section that reads that file of the scenario
// imported into (1 for the first) and the file; nothing for any other path.
std::optional<std::pair<int, const ScenarioSource*>> sourceNamed(std::string_view path) {
    const auto parts = core::splitGamePath(path);
    const bool inFolder = parts && parts->size() == 3 && core::equalsNoCase(parts->front(), scenario::kScenariosFolder);
    if (!parts || (parts->size() != 1 && !inFolder)) return std::nullopt;
    const auto sections = scenarioSections();
    for (std::size_t n = 0; n < sections.size(); ++n)
        for (const ScenarioSource& source : sections[n].sources)
            if (core::equalsNoCase(source.file, parts->back())) return std::pair(int(n) + 1, &source);
    return std::nullopt;
}

}  // namespace

ImportResult importScenarioText(const core::DataRoot& root, std::string_view scenario, std::string_view text) {
    ScenarioImport import(root, scenario);
    TextReader reader(text);
    while (const auto line = reader.next())
        if (line->kind == LineKind::Tag) import.apply(reader.section(), line->tag);
    return import.finish();
}

ImportResult importScenarioPo(const core::DataRoot& root, std::string_view scenario, std::string_view po) {
    const auto entries = poFileTranslations(po);
    if (!entries) return charsetRefused(poCharset(po));
    ScenarioImport import(root, scenario);
    for (const PoTranslation& entry : *entries) {
        const auto context = core::utf8ToCp1252(entry.context);
        if (!context) {
            import.skip(Skip::UnknownTag);  // names no file of the scenario
            continue;
        }
        const auto [path, name] = splitPoContext(*context);
        const auto source = sourceNamed(path);
        // "NAME3": the stem's letters, then the record's number when it has one.
        const std::size_t digits = name.find_first_of("0123456789");
        std::string stem = "#";
        stem += name.substr(0, digits);
        const std::string_view number = digits == std::string_view::npos ? "" : name.substr(digits);
        if (!source || number.find_first_not_of("0123456789") != std::string_view::npos || number.size() > 6) {
            import.skip(Skip::UnknownTag);
            continue;
        }
        const auto text = core::utf8ToCp1252(entry.text);
        if (!text) {
            import.refuse(*context);
            continue;
        }
        const int index = number.empty() ? -1 : std::stoi(std::string(number));
        import.apply(source->first, TagLine{stem, index, !number.empty(), *text}, source->second);
    }
    return import.finish();
}

ImportResult importScenarioFile(const core::DataRoot& root, std::string_view scenario,
                                const std::filesystem::path& file) {
    const auto bytes = readImportFile(file);
    if (!bytes) return {};
    return isPoFile(file) ? importScenarioPo(root, scenario, asText(*bytes))
                          : importScenarioText(root, scenario, asText(*bytes));
}

}  // namespace kestrel::textx
