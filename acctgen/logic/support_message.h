#pragma once
// The generator reports what it cannot recover from with the texts all the programs share.

#include "runtime/support_texts.h"

namespace acctgen {

using rt::GenericSupportMessage;
using rt::kSupportContactEmail;
using rt::kSupportContactName;

}  // namespace acctgen
