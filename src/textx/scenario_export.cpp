#include "textx/scenario_export.hpp"

#include <array>
#include <optional>

#include "core/atomic_file.hpp"
#include "textx/po_file.hpp"
#include "textx/text_format.hpp"

namespace kestrel::textx {

namespace {

std::array<std::string, 7> beginning(std::string_view scenario) {
    return {"//",
            "// Text for Kestrel III Scenario: " + std::string(scenario),
            "//",
            "//If you want to leave any string the same as",
            "//the original, then simply leave its localization",
            "//field blank.",
            "//"};
}

std::optional<core::Bytes> readSource(const core::DataRoot& root, std::string_view scenario,
                                      const ScenarioSource& source) {
    return root.read(sourcePath(scenario, source), source.readSize);
}

// Areas without a name are left out; the others keep their own numbers.
bool exported(const TagGroup& group, std::size_t index, std::span<const std::uint8_t> file) {
    return !group.skipEmpty || !fieldText(group, group.tags.front(), index, file).empty();
}

void writeNotes(TextWriter& out, const TagGroup& group) {
    for (const std::string_view note : group.notes) out.indented(kScenarioIndent, note);
    out.blank(group.blanks);
}

void writeGroup(TextWriter& out, std::string_view loc, const TagGroup& group, std::span<const std::uint8_t> file) {
    const std::size_t count = recordCount(group, file);
    for (std::size_t i = 0; i < count; ++i) {
        if (!exported(group, i, file)) continue;
        for (const ScenarioTag& tag : group.tags)
            out.tag(kScenarioIndent, writtenTag(group, tag, i), fieldText(group, tag, i, file), loc);
        if (group.perRecord) writeNotes(out, group);
    }
    if (!group.perRecord) writeNotes(out, group);
    out.blank(group.closing);
}

bool write(const core::DataRoot& root, std::string_view file, const std::string& text) {
    return root.writeAtomic(file, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

}  // namespace

bool isScenarioFolderName(std::string_view scenario) { return !scenario.empty() && core::isPortableFileName(scenario); }

std::string scenarioText(const core::DataRoot& root, std::string_view scenario) {
    TextWriter out;
    for (const std::string& line : beginning(scenario)) out.line(line);
    out.blank(2);
    for (const ScenarioSection& section : scenarioSections()) {
        out.banner(section.title);
        for (const ScenarioSource& source : section.sources) {
            const auto bytes = readSource(root, scenario, source);
            if (!bytes) continue;
            for (const TagGroup& group : source.groups) writeGroup(out, section.locTag, group, *bytes);
        }
        out.blank(section.closing);
    }
    return out.take();
}

bool exportScenario(const core::DataRoot& root, std::string_view scenario) {
    return isScenarioFolderName(scenario) && write(root, scenarioTextFile(scenario), scenarioText(root, scenario));
}

std::string scenarioPo(const core::DataRoot& root, std::string_view scenario) {
    PoWriter out("KS_" + std::string(scenario));
    for (const ScenarioSection& section : scenarioSections())
        for (const ScenarioSource& source : section.sources) {
            const auto bytes = readSource(root, scenario, source);
            if (!bytes) continue;
            // Named without the folder, so that a copy of the scenario takes the same file.
            for (const TagGroup& group : source.groups) {
                const std::size_t count = recordCount(group, *bytes);
                for (std::size_t i = 0; i < count; ++i)
                    for (const ScenarioTag& tag : group.tags)
                        out.entry(poContext(source.file, writtenTag(group, tag, i)), fieldText(group, tag, i, *bytes),
                                  tag.limit);
            }
        }
    return out.take();
}

bool exportScenarioPo(const core::DataRoot& root, std::string_view scenario, const std::filesystem::path& out) {
    if (!isScenarioFolderName(scenario)) return false;
    const std::string text = scenarioPo(root, scenario);
    return core::writeHostFileAtomic(out, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

}  // namespace kestrel::textx
