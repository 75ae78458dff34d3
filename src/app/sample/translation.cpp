#include "app/sample/translation.hpp"

#include "textx/data_export.hpp"
#include "textx/text_reader.hpp"

namespace kestrel::app {

// A translator's file for Import Data: the sample's own export with some of
// its texts in French (Windows-1252) on their "#LOC:" lines, the rest left.
bool writeSampleTranslation(const core::DataRoot& root) {
    struct Translation {
        std::string_view id, tag, text;
    };
    static constexpr Translation kFrench[] = {
        {"City\\HILLS.CIT", "#LVL1:", "Hameau"},
        {"City\\HILLS.CIT", "#LVL2:", "Fort des collines"},
        {"City\\HILLS.CIT", "#LVL3:", "Haut donjon"},
        {"Army\\PIKEMEN.ARM", "#NAME:", "Piquiers"},
        {"Hero\\RANGER.HER", "#NAME(M):",
         "R\xF4"
         "deur"},
        {"Hero\\RANGER.HER", "#NAME(F):", "Chasseresse"},
        {"Hero\\RANGER.HER", "#LVL1(M):", "Pisteur"},
        {"Items\\BLADE.ITM", "#NAME:", "Lame des Braises"},
        {"Items\\BLADE.ITM", "#DESC:",
         "Une \xE9p\xE9"
         "e qui ne refroidit jamais."},
        {"Spell\\FIREBALL.SPL", "#NAME:", "Boule de feu"},
    };
    const std::string exported = textx::dataSetText(root);
    std::string text, id;
    std::string_view translation;
    for (std::size_t at = 0; at < exported.size();) {
        const std::size_t end = exported.find("\r\n", at);
        std::string line = exported.substr(at, end - at);
        at = end + 2;
        const textx::Classified c = textx::classify(line);
        if (c.kind == textx::LineKind::Id) id = c.path;
        if (!translation.empty()) line.insert(line.find("<>") + 1, translation);  // the "#LOC:" line
        translation = {};
        for (const Translation& t : kFrench)
            if (c.kind == textx::LineKind::Tag && t.id == id && t.tag == c.tag) translation = t.text;
        (text += line) += "\r\n";
    }
    return root.makeDirectory("TRANSLAT") &&
           root.writeAtomic("TRANSLAT\\DATA_FR.TXT", core::Bytes(text.begin(), text.end()));
}

}  // namespace kestrel::app
