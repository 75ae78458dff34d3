// The scenario being edited: a folder name of at most 8 characters, empty
// while none is loaded. Only scenario creation and loading set it.
#pragma once
#include <string>
#include <string_view>

namespace kestrel::shell {

class CurrentScenario {
public:
    static constexpr std::size_t kBufferSize = 12;  // NUL-terminated

    const std::string& name() const { return name_; }
    bool empty() const { return name_.empty(); }
    // Cut to what the buffer holds.
    void set(std::string_view name) { name_ = std::string(name.substr(0, kBufferSize - 1)); }
    void clear() { name_.clear(); }
    // "SCENARIO\<name>\": scenario files are named by appending theirs.
    std::string folder() const { return "SCENARIO\\" + name_ + "\\"; }

private:
    std::string name_;
};

}  // namespace kestrel::shell
