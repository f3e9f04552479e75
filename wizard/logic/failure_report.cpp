#include "wizard/logic/failure_report.h"

namespace wizard {

std::string FailureReportText(int error_number, const std::string& description) {
  return "Run-time error '" + std::to_string(error_number) + "':\r\n\r\n" + description;
}

}  // namespace wizard
