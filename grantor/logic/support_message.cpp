#include "grantor/logic/support_message.h"

#include "runtime/text.h"

namespace grantor {

std::string GenericSupportMessage(int error_number) {
  std::string text = "An Error Code ";
  text += rt::NumberWithSign(error_number);
  text += " has occurred.  Please contact ";
  text += kSupportContactName;
  text += " at ";
  text += kSupportContactEmail;
  text += " reporting the problem and what you were trying to do.  This utility will now close.";
  return text;
}

std::string FailureReport(const rt::RuntimeError& error) {
  return "Run-time error '" + rt::NumberText(error.number()) + "':\r\n\r\n" + error.description();
}

}  // namespace grantor
