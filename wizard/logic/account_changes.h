#pragma once
// What a generated file will do to the directory's accounts, counted from the file itself, so
// the wizard can say it before the batch file that hands the file on is started.

#include <cstdint>
#include <string>
#include <string_view>

#include "runtime/files.h"

namespace wizard {

struct AccountChanges {
  std::int64_t added = 0;
  std::int64_t disabled = 0;   // disabled and moved into a Leavers unit
  std::int64_t deleted = 0;    // deleted, after their year in a Leavers unit
  std::int64_t returning = 0;  // moved back out of a Leavers unit, enabled again
  // Whether anything is disabled or deleted: then the wizard asks before it starts the file.
  bool Removes() const { return disabled > 0 || deleted > 0; }
  bool operator==(const AccountChanges&) const = default;
};

// Counts the entries of LDIF text (RFC 2849), fed one physical line at a time: folded lines
// are joined, comments skipped, base64 values decoded. Counted by the entry's structure:
//   added      changetype add with objectClass user (units and others are not counted)
//   disabled   changetype modrdn or moddn whose newSuperior holds "OU=Leavers,"
//   returning  changetype modrdn or moddn with a newSuperior outside the Leavers units
//   deleted    changetype delete
// Modify entries (a leaver's account control, say) are not counted.
class LdifChangeCounter {
 public:
  void Line(std::string_view line);
  // Ends the last entry and gives the figures.
  AccountChanges Finish();

 private:
  void EndLogicalLine();
  void TakeAttribute(std::string_view line);
  void EndEntry();

  AccountChanges changes_;
  std::string logical_;  // the line being unfolded
  bool in_comment_ = false;
  // The entry being read.
  std::string changetype_;
  bool user_ = false;
  bool has_new_superior_ = false;
  bool into_leavers_ = false;
};

// The figures of the LDIF file at path.
AccountChanges CountLdifChanges(rt::Files& files, std::string_view path);

// The lines of the batch file at path that delete an account: those that start
// "NET USER /delete " (in any case, after any blanks or an '@', as the interpreter reads them).
std::int64_t CountAccountDeletes(rt::Files& files, std::string_view path);

// "QWxp" gives "Ali". Characters outside the alphabet are skipped; decoding ends at '='.
std::string DecodeBase64(std::string_view text);

}  // namespace wizard
