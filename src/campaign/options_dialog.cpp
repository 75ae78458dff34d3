#include "campaign/options_dialog.hpp"

#include "campaign/campaign_file.hpp"
#include "resources/layouts.hpp"
#include "ui/data_exchange.hpp"
#include "ui/host.hpp"

namespace kestrel::campaign {

OptionsDialog::OptionsDialog(ui::Host& host, const core::DataRoot& root, const std::string& entryName, int row)
    : ui::Dialog(host, resources::kCampaignOptions), root_(root), path_(campaignPath(entryName, optionFileName(row))) {}

void OptionsDialog::onInit() {
    const auto file = root_.read(path_, OptionLayout::kSize);
    read_ = file ? readOptions(*file) : defaultOptions();
    for (std::size_t i = 0; i < kOptionFields.size(); ++i) {
        const auto& f = kOptionFields[i];
        const int value = read_.values[i];
        switch (f.kind) {
            case OptionKind::Check:
                setChecked(f.id, value != 0);
                break;
            case OptionKind::Number:
                setNumber(f.id, value);
                break;
            case OptionKind::Razing:
                for (int r = 0; r < static_cast<int>(kRazingLabels.size()); ++r) setChecked(f.id + r, value == r);
                break;
        }
    }
}

bool OptionsDialog::onOk() {
    Options options = read_;
    ui::DataExchange dx(*this);
    for (std::size_t i = 0; i < kOptionFields.size(); ++i) {
        const auto& f = kOptionFields[i];
        switch (f.kind) {
            case OptionKind::Check:
                options.values[i] = checked(f.id) ? 1 : 0;
                break;
            case OptionKind::Number:
                dx.integer(f.id, f.minValue, f.maxValue, options.values[i]);
                break;
            case OptionKind::Razing:
                for (int r = 0; r < static_cast<int>(kRazingLabels.size()); ++r)
                    if (checked(f.id + r)) options.values[i] = r;
                break;
        }
    }
    if (!dx.ok()) return false;
    if (root_.writeAtomic(path_, writeOptions(options))) return true;
    host().error("Error writing " + path_);
    return false;
}

}  // namespace kestrel::campaign
