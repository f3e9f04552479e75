#pragma once
// The logins of the rights tool's students, formed as the account generator forms the accounts'
// names, so that the batch file grants rights to accounts that exist.

#include "grantor/logic/login_format.h"
#include "grantor/logic/student_table.h"

namespace grantor {

// A fresh numbering of namesakes for one run, in the chosen format.
LoginMaker MakeLoginMaker(LoginFormat format);

}  // namespace grantor
