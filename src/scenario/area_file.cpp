#include "scenario/area_file.hpp"

#include "core/record_fields.hpp"

namespace kestrel::scenario {

using L = AreaLayout;

std::ostream& operator<<(std::ostream& out, const AreaNames& areas) {
    out << "AreaNames{";
    for (std::size_t i = 0; i < areas.names.size(); ++i)
        if (!areas.names[i].empty()) out << " " << i << ":\"" << areas.names[i] << "\"";
    return out << " }";
}

std::string areaName(std::span<const std::uint8_t> file, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= L::kRecords) return {};
    return core::RecordReader(file).text(static_cast<std::size_t>(index) * L::kRecordSize + L::kName, L::kNameSize);
}

AreaNames readAreaNames(std::span<const std::uint8_t> file) {
    AreaNames areas;
    for (std::size_t i = 0; i < L::kRecords; ++i) areas.names[i] = areaName(file, static_cast<int>(i));
    return areas;
}

core::Bytes writeAreaNames(const AreaNames& areas) {
    core::RecordWriter w(L::kFileSize);
    for (std::size_t i = 0; i < L::kRecords; ++i) w.text(i * L::kRecordSize + L::kName, L::kNameSize, areas.names[i]);
    return w.take();
}

}  // namespace kestrel::scenario
