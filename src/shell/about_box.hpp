#pragma once
#include "resources/layouts.hpp"
#include "ui/dialog.hpp"

namespace kestrel::shell {

// Icon, version text and OK; nothing else.
class AboutBox : public ui::Dialog {
public:
    explicit AboutBox(ui::Host& host) : ui::Dialog(host, resources::kAboutBox) {}
};

}  // namespace kestrel::shell
