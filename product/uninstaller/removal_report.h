// The texts the uninstaller shows: the question before, the report after, and the answer of a
// run that finds nothing.
#pragma once

#include <string>
#include <vector>

namespace uninstaller {

struct Failure {
  std::string label;
  unsigned long error = 0;  // a Windows error code
};

std::string QuestionText(const std::vector<std::string>& toRemove,
                         const std::vector<std::string>& notes);
std::string NothingFoundText(const std::vector<std::string>& notes);
// uninstallerPath: where the user can start the removal again after a failure.
std::string ReportText(const std::vector<std::string>& removed,
                       const std::vector<Failure>& failures, const std::vector<std::string>& notes,
                       const std::string& uninstallerPath);

// A short German reason for a Windows error code.
std::string ReasonText(unsigned long error);

}  // namespace uninstaller
