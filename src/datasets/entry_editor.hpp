// What every entry editor shares: its caption, reading the record when it
// opens, Import Picture, and writing the record whole on OK.
#pragma once
#include <optional>
#include <string>

#include "core/data_root.hpp"
#include "datasets/catalogue.hpp"
#include "ui/dialog.hpp"

namespace kestrel::datasets {

inline constexpr int kImportPictureId = 1015;

class EntryEditor : public ui::Dialog {
public:
    EntryEditor(ui::Host& host, const core::DataRoot& root, const KindInfo& kind, std::string entryName);

    void onInit() override;
    void onCommand(int id) override;
    bool onOk() override;

protected:
    // The record as read (at most one byte more than the record size;
    // shorter when the file is), or nothing when the file could not be opened.
    virtual void load(const std::optional<core::Bytes>& record) = 0;
    // The record to write, or nothing when a control failed validation.
    virtual std::optional<core::Bytes> save() = 0;

    void importPicture(std::string_view nameSuffix = {});
    const core::DataRoot& root() const { return root_; }
    const KindInfo& kind() const { return kind_; }
    const std::string& entryName() const { return entryName_; }

private:
    const core::DataRoot& root_;
    const KindInfo& kind_;
    std::string entryName_;
};

}  // namespace kestrel::datasets
