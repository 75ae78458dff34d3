// The pictures of the data sets: those New copies for each entry, which every
// entry must keep, and the item editor's icon sheet.
#include <string>

#include "check/dataset_checks.hpp"
#include "datasets/item.hpp"

namespace kestrel::check {

namespace {

// A picture is the BMP file when there is one, else the PCX file.
const RootEntry* findPicture(const RootIndex& index, const std::string& base) {
    if (const RootEntry* bmp = index.find(base + ".BMP")) return bmp;
    return index.find(base + ".PCX");
}

// A hero type's record names its two pictures; no other record names one.
std::string_view pictureField(datasets::Kind kind, std::string_view suffix) {
    if (kind != datasets::Kind::HeroType) return {};
    return suffix == "m" ? "malePicture" : "femalePicture";
}

}  // namespace

void checkEntryPictures(Context& context, const datasets::KindInfo& kind, const RecordFile& file) {
    const std::string& path = file.entry->path;
    const std::string folder = path.substr(0, path.rfind('/') + 1);
    for (std::string_view copy : kind.templateCopies) {
        if (copy.empty()) continue;
        const std::string_view suffix = copy.substr(0, copy.rfind('.'));
        const std::string_view field = pictureField(kind.kind, suffix);
        std::string name = field.empty() ? std::string() : file.text(0, 0, field);
        if (name.empty()) name = std::string(entryNameOf(kind, *file.entry)) + std::string(suffix);
        const std::string base = folder + name;
        if (const RootEntry* picture = findPicture(context.index(), base))
            context.picture(*picture);
        else
            context.findings().error(path, field.empty() ? "" : recordLabel(file.content, 0, 0), field,
                                     "the picture is missing: neither " + base + ".BMP nor " + base + ".PCX exists");
    }
}

void checkItemSheet(Context& context) {
    const RootEntry* sheet = findPicture(context.index(), datasets::itemSheetBase(datasets::kDefaultGraphicSet));
    if (!sheet) return;  // the editor then shows no icon, and says nothing
    const auto size = context.picture(*sheet);
    constexpr int kWidth = datasets::kItemIconsPerRow * datasets::kItemIconSize;
    constexpr int kHeight = (datasets::ItemLimits::kIcons / datasets::kItemIconsPerRow) * datasets::kItemIconSize;
    if (size && (size->width < kWidth || size->height < kHeight))
        context.findings().error(sheet->path, "", "",
                                 "the icon sheet is " + std::to_string(size->width) + " by " +
                                     std::to_string(size->height) + " pixels; its " +
                                     std::to_string(datasets::ItemLimits::kIcons) + " icons need " +
                                     std::to_string(kWidth) + " by " + std::to_string(kHeight));
}

}  // namespace kestrel::check
