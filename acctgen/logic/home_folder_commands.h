#pragma once
// The commands that make a student's home folder (step5.bat) and give the student rights on it
// (step6.bat); the administrator runs them later on the server.

#include <string>
#include <string_view>

#include "acctgen/logic/options.h"
#include "acctgen/logic/run_state.h"
#include "runtime/files.h"

namespace acctgen {

// The access code of the student's grant: "F " for Full, "RC " for Modify. With neither option
// set (a damaged settings file) the grant would lose its access and read as the next entry,
// so it falls back to Modify, the form's default.
std::string HomeFolderAccess(const Options& options);

// The parts of the commands that are the same for every student of a run, worked out once a
// run.
struct HomeFolderTexts {
  explicit HomeFolderTexts(const Options& options);
  std::string share;   // the home share, trimmed
  std::string server;  // the server name, trimmed
  std::string domain;  // the NetBIOS domain, trimmed
  std::string access;  // HomeFolderAccess
};

// Writes the folder line to step5.bat, the grant to step6.bat and, when the student owns the
// home folder, the ownership line to step6.bat: makfldr.vbs, xcacls and subinacl, or with
// today's tools md, icacls and icacls /setowner on the server's own path. The folder below the
// share is leaving year +
// "\" + login with an OU per leaving year, else login.
void WriteHomeFolderCommands(const Options& options, const HomeFolderTexts& texts,
                             std::string_view login, std::string_view leaving_year,
                             rt::Files& files, const OutputFiles& out);

}  // namespace acctgen
