#pragma once
// The "Set Rights" run: rewrite the intranet package's shortcut file so that every student's
// entry carries the student's login, write the batch file that gives each of them change rights
// on his or her own intranet folder, put the new shortcut file in place (keeping the old one as
// a backup) and start the batch file.

#include <string>
#include <string_view>

#include "grantor/logic/student_table.h"
#include "runtime/dialogs.h"
#include "runtime/files.h"
#include "runtime/shell.h"

namespace grantor {

enum class RunOutcome {
  // The shortcut file was missing or too short: the path is wrong; nothing was changed and
  // the window waits for a corrected path.
  kWrongPath,
  // Today's icacls was chosen without a usable NetBIOS domain name: a message asks for one;
  // nothing was read or changed and the window waits.
  kNoDomain,
  // Everything is written and the batch file started; the program ends.
  kFinished,
};

// Which tool the rights batch calls: xcacls from the floppy disk, or the icacls that every
// supported Windows ships.
enum class RightsTool { kXcacls, kIcacls };

// How the rights batch is written: the tool, and for icacls the NetBIOS name of the students'
// domain ("HILLCREST"), by which each student is named as HILLCREST\login.
struct RightsBatch {
  RightsTool Tool = RightsTool::kXcacls;
  std::string Domain;  // as typed; surrounding spaces are dropped
};

// The package's files, each the typed path, a backslash and the file name.
struct PackageFiles {
  explicit PackageFiles(std::string_view package_path);
  std::string Shortcuts;    // odshrtct.dat
  std::string Settings;     // odshrtct.ini
  std::string Rewritten;    // odshrtct.new
  std::string Backup;       // odshrtct.org
  std::string RightsBatch;  // odrights.bat
  std::string Report;       // odrights.txt: the records left to set by hand
};

// A shortcut file shorter than this cannot hold a record: the path is taken to be wrong.
inline constexpr unsigned kMinimumShortcutBytes = 10;

// package_path is the server path as typed. Any failure other than a wrong path is thrown as
// a RuntimeError; the shortcut file keeps its name and content until every line is written.
// A record that more than one student matches (namesakes in one year) cannot say whose folder
// it is; one whose folders, or whose student's login, cannot stand in a batch line cannot be
// granted safely. Such a record gives no one rights, keeps its entry, and is listed in the
// report, which opens in Notepad after the batch has started. A run with nothing to report
// leaves no report behind.
RunOutcome RunSetRights(rt::Files& files, rt::Dialogs& dialogs, rt::Shell& shell,
                        std::string_view package_path, rt::FileNumber student_export,
                        const LoginMaker& make_login, const RightsBatch& choice = {});

}  // namespace grantor
