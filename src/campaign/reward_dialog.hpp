// "Campaign Reward": REWARD<r>.DAT of a campaign, four kinds with amounts.
#pragma once
#include <array>
#include <string>

#include "core/data_root.hpp"
#include "ui/dialog.hpp"

namespace kestrel::campaign {

struct RewardIds {
    static constexpr int kCount = 1302;
    static constexpr std::array<int, 4> kKinds{1266, 1267, 1268, 1269};
    static constexpr std::array<int, 4> kAmounts{1298, 1299, 1300, 1301};
};

class RewardDialog : public ui::Dialog {
public:
    RewardDialog(ui::Host& host, const core::DataRoot& root, const std::string& entryName, int row);

    void onInit() override;
    bool onOk() override;

private:
    const core::DataRoot& root_;
    std::string path_;
};

}  // namespace kestrel::campaign
