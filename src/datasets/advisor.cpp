#include "datasets/advisor.hpp"

#include "core/record_fields.hpp"

namespace kestrel::datasets {

namespace {

using L = AdvisorLayout;

constexpr std::array<std::string_view, L::kTexts> kNewTexts{
    "My Lord!",
    "My Lord!",
    "My Lord!",
    "My Lord!",
    "This battle will be",
    "This battle will be",
    "This battle will be",
    "This battle will be",
    "real real bad",
    "real bad",
    "bad",
    "difficult",
    "slightly in their favour",
    "evenly matched",
    "slightly in our favour",
    "fairly easy",
    "easy",
    "very easy",
    "very very easy",
};

}  // namespace

std::ostream& operator<<(std::ostream& out, const Advisor& advisor) {
    out << "Advisor{";
    for (std::size_t i = 0; i < L::kTexts; ++i) out << (i ? ", \"" : "\"") << advisor.texts[i] << '"';
    return out << '}';
}

Advisor readAdvisor(std::span<const std::uint8_t> record) {
    const core::RecordReader r(record);
    Advisor advisor;
    for (std::size_t i = 0; i < L::kTexts; ++i) advisor.texts[i] = r.text(i * L::kTextSize, L::kTextSize);
    return advisor;
}

core::Bytes writeAdvisor(const Advisor& advisor) {
    core::RecordWriter w(L::kSize);
    for (std::size_t i = 0; i < L::kTexts; ++i) w.text(i * L::kTextSize, L::kTextSize, advisor.texts[i]);
    return w.take();
}

Advisor newAdvisor() {
    Advisor advisor;
    for (std::size_t i = 0; i < L::kTexts; ++i) advisor.texts[i] = std::string(kNewTexts[i]);
    return advisor;
}

}  // namespace kestrel::datasets
