// The shield feature editor: the heraldic name and the picture import. It
// works on the file named by the kind's letter and the entry name.
#pragma once
#include "datasets/entry_editor.hpp"
#include "datasets/shield.hpp"

namespace kestrel::datasets {

struct ShieldIds {
    static constexpr int kHeraldicName = 1036;
};

class ShieldEditor : public EntryEditor {
public:
    ShieldEditor(ui::Host& host, const core::DataRoot& root, ShieldKind kind, std::string name);

    void onInit() override;

protected:
    void load(const std::optional<core::Bytes>& record) override;
    std::optional<core::Bytes> save() override;

private:
    ShieldKind kind_;
    std::string name_;
};

}  // namespace kestrel::datasets
