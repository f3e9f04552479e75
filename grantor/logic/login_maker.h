#pragma once
// The logins of the rights tool's students, formed by the school's login rules, so that the
// batch file grants rights to the accounts the account generator made.

#include "grantor/logic/student_table.h"
#include "school/login_names.h"

namespace grantor {

// A fresh numbering of namesakes for one run, in the chosen format.
LoginMaker MakeLoginMaker(school::LoginFormat format);

}  // namespace grantor
