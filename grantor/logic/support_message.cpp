#include "grantor/logic/support_message.h"

#include "runtime/text.h"

namespace grantor {

std::string FailureReport(const rt::RuntimeError& error) {
  return rt::FailureReportText(error.number(), error.description());
}

}  // namespace grantor
