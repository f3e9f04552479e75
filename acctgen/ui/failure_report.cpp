#include "acctgen/ui/failure_report.h"

#include "runtime/text.h"

namespace acctgen::ui {

std::string FailureReportText(int error_number, const std::string& description) {
  return "Run-time error '" + rt::NumberText(error_number) + "':\r\n\r\n" + description;
}

}  // namespace acctgen::ui
