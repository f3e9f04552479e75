#include "acctgen/logic/account_files/undo_file.h"

#include "runtime/concat.h"

namespace acctgen {

namespace {

// A comment line holds its text whole: a line break in a name would end the comment and start
// an entry of its own.
std::string CommentText(std::string_view text_1252) {
  std::string text = Utf8From1252(text_1252);
  for (char& c : text) {
    if (static_cast<unsigned char>(c) < 0x20) c = '?';
  }
  return text;
}

}  // namespace

void WriteUndoFile(rt::Files& files, const LdifFile& ldif, const LeaverChanges& changes) {
  const rt::FileNumber file = files.OpenOutput(kUndoPath);
  files.PrintLine(file, "version: 1");
  files.PrintLine(file, "");
  files.PrintLine(file,
                  "# Takes back the import of c:\\addusers.ldf written by the same run of step 2.");
  files.PrintLine(
      file, "# Import it after that import, never after another run's, with the same command:");
  files.PrintLine(file, "#     ldifde -i -k -h -f c:\\undo.ldf");
  files.PrintLine(
      file, "# It deletes every account that c:\\addusers.ldf adds, moves every account that it");
  files.PrintLine(file,
                  "# moves back, and gives each the account control it had before. It deletes by");
  files.PrintLine(file,
                  "# name: an account that was there before the import under the name of one it");
  files.PrintLine(file, "# adds goes too, so step 1's export must have been current for this run.");
  files.PrintLine(file,
                  "# It cannot take back the units the import made: delete an empty one by hand.");
  if (!changes.deleted.empty()) {
    files.PrintLine(
        file, "# Nor can it bring back the accounts the import deleted, whose students left in an");
    files.PrintLine(
        file, "# earlier year: only the domain's Recycle Bin, switched on before the import, can.");
    for (const ExistingEntry& account : changes.deleted) {
      files.PrintLine(file, {"#     ", CommentText(account.login), " (",
                             CommentText(rt::Concat({account.rdn, ",", account.parent})), ")"});
    }
  }

  if (!changes.returning.empty()) {
    files.PrintLine(file, "# Students brought back: into the Leavers unit again, disabled.");
  }
  for (const ReturningEntry& student : changes.returning) {
    const ExistingEntry& account = student.account;
    PrintControlEntry(files, file, rt::Concat({account.rdn, ",", student.leaving_year_unit}),
                      std::to_string(account.account_control));
    PrintMoveEntry(files, file, account.rdn, student.leaving_year_unit, account.parent);
  }
  const std::string year_unit = changes.YearUnit();
  if (!changes.disabled.empty()) {
    files.PrintLine(file, "# Leavers: back into their units, enabled as they were.");
  }
  for (const ExistingEntry& account : changes.disabled) {
    PrintMoveEntry(files, file, account.rdn, year_unit, account.parent);
    PrintControlEntry(files, file, rt::Concat({account.rdn, ",", account.parent}),
                      std::to_string(account.account_control));
  }
  const std::vector<std::string_view> added = ldif.AccountDnLines();
  if (!added.empty()) files.PrintLine(file, "# The accounts the import added: deleted.");
  for (std::string_view dn_line : added) {
    files.Print(file, dn_line);
    files.Print(file, "changetype: delete\r\n\r\n");
  }
  files.Close(file);
}

}  // namespace acctgen
