#include "campaign/option_file.hpp"

#include "core/record_fields.hpp"

namespace kestrel::campaign {

namespace {

int mask(const OptionField& f) { return (1 << f.width) - 1; }

}  // namespace

std::ostream& operator<<(std::ostream& out, const Options& options) {
    out << "Options{";
    for (std::size_t i = 0; i < kOptionFields.size(); ++i) out << (i ? " " : "") << options.values[i];
    return out << '}';
}

Options defaultOptions() {
    Options options;
    for (std::size_t i = 0; i < kOptionFields.size(); ++i) options.values[i] = kOptionFields[i].defaultValue;
    return options;
}

Options readOptions(std::span<const std::uint8_t> file) {
    const core::RecordReader r(file);
    Options options;
    for (std::size_t i = 0; i < kOptionFields.size(); ++i) {
        const auto& f = kOptionFields[i];
        options.values[i] = (r.u8(f.byte) >> f.bit) & mask(f);
    }
    return options;
}

core::Bytes writeOptions(const Options& options) {
    core::RecordWriter w(OptionLayout::kSize);
    for (const auto& run : kFixedRuns)
        for (std::size_t i = 0; i < run.count; ++i) {
            const std::size_t at = run.at + i * run.width;
            if (run.width == 2)
                w.s16(at, run.value);
            else
                w.u8(at, run.value);
        }
    for (std::size_t i = 0; i < kOptionFields.size(); ++i) {
        const auto& f = kOptionFields[i];
        w.span(f.byte, 1)[0] |= static_cast<std::uint8_t>((options.values[i] & mask(f)) << f.bit);
    }
    return w.take();
}

std::string optionFileName(int row) { return "OPT" + std::to_string(row) + ".DAT"; }

}  // namespace kestrel::campaign
