#include "acctgen/logic/support_message.h"

#include "runtime/text.h"

namespace acctgen {

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

}  // namespace acctgen
