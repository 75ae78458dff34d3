#include "campaign/text_file_dialog.hpp"

#include "campaign/campaign_text.hpp"
#include "resources/layouts.hpp"
#include "ui/host.hpp"

namespace kestrel::campaign {

TextFileDialog::TextFileDialog(ui::Host& host, const core::DataRoot& root, std::string path)
    : ui::Dialog(host, resources::kTextFile), root_(root), path_(std::move(path)) {}

void TextFileDialog::onInit() {
    setText(TextFileIds::kPath, path_);
    const auto file = root_.read(path_, kMaxTextFile + 1);
    // Saving part of a file would cut off the rest.
    if (file && file->size() > kMaxTextFile) {
        host().error(path_ + " is too large to edit.");
        end(ui::kIdCancel);
        return;
    }
    setText(TextFileIds::kText, file ? readCampaignText(*file) : std::string());
}

bool TextFileDialog::onOk() {
    if (root_.writeAtomic(path_, writeCampaignText(text(TextFileIds::kText)))) return true;
    host().error("Error writing " + path_);
    return false;
}

}  // namespace kestrel::campaign
