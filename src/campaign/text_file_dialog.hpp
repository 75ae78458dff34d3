// "Edit Text File": one campaign text, its path above the text.
#pragma once
#include <string>

#include "core/data_root.hpp"
#include "ui/dialog.hpp"

namespace kestrel::campaign {

struct TextFileIds {
    static constexpr int kPath = 1296, kText = 1295;
};

class TextFileDialog : public ui::Dialog {
public:
    TextFileDialog(ui::Host& host, const core::DataRoot& root, std::string path);

    void onInit() override;
    bool onOk() override;

private:
    const core::DataRoot& root_;
    std::string path_;
};

}  // namespace kestrel::campaign
