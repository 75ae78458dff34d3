#include "app/check_command.hpp"

#include "app/command_line.hpp"
#include "check/check_root.hpp"
#include "check/findings.hpp"

namespace kestrel::app {

int checkCommand(const std::filesystem::path& root, const std::vector<std::string>& targets, bool json,
                 std::ostream& out, std::ostream& err) {
    if (!dataRootIsFolder(root, err)) return 2;
    const check::CheckResult result = check::checkRoot(root, targets);
    if (!result.usable) {
        err << "kstred: " << result.error << '\n';
        return 2;
    }
    for (const core::Finding& finding : result.findings)
        out << (json ? check::findingJson(finding) : core::findingLine(finding)) << '\n';
    const check::Tally tally = check::tallyOf(result.findings);
    (json ? err : out) << check::summaryLine(tally) << '\n';
    return tally.errors ? 1 : 0;
}

std::vector<core::Finding> rootFindings(const core::DataRoot& root) { return check::checkRoot(root.root()).findings; }

}  // namespace kestrel::app
