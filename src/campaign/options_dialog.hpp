// "Campaign Options": OPT<r>.DAT of a campaign, the game options of one
// episode as check boxes, two numbers and the razing choice.
#pragma once
#include <string>

#include "campaign/option_file.hpp"
#include "core/data_root.hpp"
#include "ui/dialog.hpp"

namespace kestrel::campaign {

class OptionsDialog : public ui::Dialog {
public:
    OptionsDialog(ui::Host& host, const core::DataRoot& root, const std::string& entryName, int row);

    void onInit() override;
    bool onOk() override;

private:
    const core::DataRoot& root_;
    std::string path_;
    Options read_;  // a razing value no radio button shows is kept
};

}  // namespace kestrel::campaign
