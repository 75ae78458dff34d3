#include "datasets/advisor_editor.hpp"

#include "datasets/advisor.hpp"
#include "ui/data_exchange.hpp"

namespace kestrel::datasets {

namespace {

int textId(std::size_t index) { return AdvisorIds::kFirstText + static_cast<int>(index); }

}  // namespace

AdvisorEditor::AdvisorEditor(ui::Host& host, const core::DataRoot& root, std::string entryName)
    : EntryEditor(host, root, info(Kind::Advisor), std::move(entryName)) {}

void AdvisorEditor::load(const std::optional<core::Bytes>& record) {
    if (!record) return;
    const Advisor advisor = readAdvisor(*record);
    for (std::size_t i = 0; i < AdvisorLayout::kTexts; ++i) setText(textId(i), advisor.texts[i]);
}

std::optional<core::Bytes> AdvisorEditor::save() {
    ui::DataExchange dx(*this);
    Advisor advisor;
    for (std::size_t i = 0; i < AdvisorLayout::kTexts; ++i)
        dx.text(textId(i), AdvisorLayout::kTextLimit, advisor.texts[i]);
    if (!dx.ok()) return std::nullopt;
    return writeAdvisor(advisor);
}

}  // namespace kestrel::datasets
