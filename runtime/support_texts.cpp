#include "runtime/support_texts.h"

#include "runtime/text.h"

namespace rt {

std::string GenericSupportMessage(int error_number) {
  std::string text = "An Error Code ";
  text += NumberWithSign(error_number);
  text += " has occurred.  Please contact ";
  text += kSupportContactName;
  text += " at ";
  text += kSupportContactEmail;
  text += " reporting the problem and what you were trying to do.  This utility will now close.";
  return text;
}

std::string FailureReportText(int error_number, const std::string& description) {
  std::string text = "Run-time error '";
  text += NumberText(error_number);
  text += "':\r\n\r\n";
  text += description;
  return text;
}

}  // namespace rt
