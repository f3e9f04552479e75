#pragma once
// The commands that make a student's home folder (step5.bat) and give the student rights on it
// (step6.bat); the administrator runs them later on the server.

#include <string>
#include <string_view>

#include "acctgen/logic/form_values.h"
#include "acctgen/logic/run_state.h"
#include "runtime/files.h"

namespace acctgen {

// The access code of the student's grant: "F " for Full, "RC " for Modify. With neither option
// set (a damaged settings file) the grant would lose its access and read as the next entry,
// so it falls back to Modify, the form's default.
std::string HomeFolderAccess(const FormValues& form);

// The home folder below the share: leaving year + "\" + login with Check3 ticked, else login.
std::string OwnerPath(const FormValues& form, std::string_view login,
                      std::string_view leaving_year);

// Writes the folder line to step5.bat, the grant to step6.bat and, with Check20 ticked, the
// ownership line to step6.bat.
void WriteHomeFolderCommands(const FormValues& form, std::string_view login,
                             std::string_view leaving_year, rt::Files& files,
                             const OutputFiles& out);

}  // namespace acctgen
