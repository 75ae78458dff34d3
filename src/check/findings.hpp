// The findings of one run, in the order they are found; sorted for output.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "core/finding.hpp"

namespace kestrel::check {

class Findings {
public:
    void error(std::string_view path, std::string_view record, std::string_view field, std::string message);
    void warning(std::string_view path, std::string_view record, std::string_view field, std::string message);
    void add(core::Finding finding) { all_.push_back(std::move(finding)); }

    const std::vector<core::Finding>& all() const { return all_; }
    // Sorted by place, each finding once.
    std::vector<core::Finding> sorted() const;

private:
    std::vector<core::Finding> all_;
};

using core::summaryLine;
using core::Tally;
using core::tallyOf;
// One JSON object a line for tools: path, record, field, severity, message.
std::string findingJson(const core::Finding& finding);

}  // namespace kestrel::check
