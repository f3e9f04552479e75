#include "acctgen/logic/account_files/addusers_script.h"

namespace acctgen {

namespace {

enum class When { kAlways, kProfile, kNeverExpires, kMustChange };

struct ScriptLine {
  When when;
  std::string_view text;
};

// cscript reads this text as it stands: indents, the blank lines made of spaces and the one
// trailing space on two lines are part of it.
constexpr ScriptLine kScript[] = {
    {When::kAlways, "    Dim oXL"},
    {When::kAlways, "    Dim u"},
    {When::kAlways, "    Dim c"},
    {When::kAlways, "    Dim root"},
    {When::kAlways, "    Dim ou"},
    {When::kAlways, "    Dim TextXL"},
    {When::kAlways, "    Dim CRLF"},
    {When::kAlways, "    dim oArgs"},
    {When::kAlways, ""},
    {When::kAlways, "    "},
    {When::kAlways, "    ' The workbook to read comes from the command line."},
    {When::kAlways, "    set oArgs=wscript.arguments"},
    {When::kAlways, ""},
    {When::kAlways, "    CRLF = Chr(13) & Chr(10)"},
    {When::kAlways, "  "},
    {When::kAlways, "    ' Started without arguments, the script asks for the workbook of users."},
    {When::kAlways, "    If oArgs.Count = 0 Then"},
    {When::kAlways,
     "       TextXL = InputBox(\"This script reads users from an Excel spreadsheet and adds them "
     "to the directory through ADSI.\" & _"},
    {When::kAlways,
     "       CRLF & CRLF & \"Before you go on, change the DS root in cell A2 of the spreadsheet "
     "to match your directory.\" & _"},
    {When::kAlways,
     "       CRLF & CRLF & \"Then type the full path of the spreadsheet of users to add or "
     "delete.\" & _"},
    {When::kAlways, "       CRLF & CRLF & \"For example: c:\\addusers.xls\" & _"},
    {When::kAlways,
     "       CRLF & CRLF & \"Sample spreadsheets: ADDUSERS.XLS (users to add)\" & _"},
    {When::kAlways, "       CRLF & CRLF & \"and DELUSERS.XLS (users to delete).\" & _"},
    {When::kAlways, "       CRLF & CRLF & \"Leave the box empty to stop.\" & CRLF)"},
    {When::kAlways, "    ' Otherwise the workbook is the first argument."},
    {When::kAlways, "    Else"},
    {When::kAlways, "      TextXL = oArgs.item(0)"},
    {When::kAlways, "    End If"},
    {When::kAlways, ""},
    {When::kAlways, "    If TextXL = \"\" Then"},
    {When::kAlways, "       WScript.Echo \"No input file provided. Stopping the script now.\""},
    {When::kAlways, "       WScript.Quit(1)"},
    {When::kAlways, "    End If"},
    {When::kAlways, ""},
    {When::kAlways, "    ' ou holds the container of the previous row; it starts empty."},
    {When::kAlways, "    ou = \"\""},
    {When::kAlways, "   "},
    {When::kAlways, "    ' Start Excel and let the administrator watch it work."},
    {When::kAlways, "    Set oXL = WScript.CreateObject(\"EXCEL.application\")"},
    {When::kAlways, "    oXL.Visible = True"},
    {When::kAlways, ""},
    {When::kAlways, "    ' Open the workbook named on the command line."},
    {When::kAlways, "    oXL.workbooks.open TextXL"},
    {When::kAlways, ""},
    {When::kAlways, "    ' Activate the addusers sheet. "},
    {When::kAlways, "    oXL.sheets(\"addusers\").Activate"},
    {When::kAlways, ""},
    {When::kAlways, "    ' Go to the starting cell, which holds the DS root."},
    {When::kAlways, "    oXL.ActiveSheet.range(\"A2\").Activate ' this cell has the DS root in it"},
    {When::kAlways, ""},
    {When::kAlways, "    ' To show the DS root before starting, remove the apostrophe below."},
    {When::kAlways, "    ' WScript.Echo oXL.activecell.Value"},
    {When::kAlways, "  "},
    {When::kAlways, "    ' The DS root is the starting point in the directory."},
    {When::kAlways, "    root = oXL.activecell.Value"},
    {When::kAlways, ""},
    {When::kAlways, "    ' Step down to the first user row."},
    {When::kAlways, "    oXL.activecell.offset(1, 0).Activate"},
    {When::kAlways, ""},
    {When::kAlways, "    ' Work down the rows until column A is empty."},
    {When::kAlways, "    Do While oXL.activecell.Value <> \"\""},
    {When::kAlways, "      "},
    {When::kAlways, "        ' Is this row's OU a new one?"},
    {When::kAlways, "        If oXL.activecell.Value <> ou Then"},
    {When::kAlways, "            ' Pick up the OU of this row."},
    {When::kAlways, "            ou = oXL.activecell.Value"},
    {When::kAlways, ""},
    {When::kAlways, "            ' Compose the ADSI path of the container."},
    {When::kAlways, "            s = \"LDAP://\" + ou+\",\" + root"},
    {When::kAlways, ""},
    {When::kAlways, "            ' Show the path being worked on."},
    {When::kAlways, "      WScript.Echo s"},
    {When::kAlways, ""},
    {When::kAlways, "            ' Bind to the container."},
    {When::kAlways, "            Set c = GetObject(s)"},
    {When::kAlways, "        End If"},
    {When::kAlways, ""},
    {When::kAlways, "        ' The common name is the first name, a space and the last name."},
    {When::kAlways,
     "        uname = \"CN=\" + oXL.activecell.offset(0, 1).Value + \" \" + "
     "oXL.activecell.offset(0, 2).Value"},
    {When::kAlways, ""},
    {When::kAlways, "        ' Create the new user object."},
    {When::kAlways, "        Set u = c.Create(\"user\", uname)"},
    {When::kAlways, ""},
    {When::kAlways, "        ' Set the properties of the new user from the row."},
    {When::kAlways, "        u.Put \"givenName\", oXL.activecell.offset(0, 1).Value 'Given Name"},
    {When::kAlways, "        u.Put \"sn\", oXL.activecell.offset(0, 2).Value 'Family Name"},
    {When::kAlways,
     "        u.Put \"displayName\", oXL.activecell.offset(0,3).Value  'Display Name"},
    {When::kAlways,
     "        u.Put \"description\", oXL.activecell.offset(0,4).Value  'Description"},
    {When::kAlways,
     "        u.Put \"sAMAccountName\", oXL.activecell.offset(0, 5).Value  'Sam Acct"},
    {When::kAlways,
     "        u.Put \"userPrincipalName\", oXL.activecell.offset(0, 5).Value  'Principal User "
     "name"},
    {When::kAlways, "        'u.Put \"mail\", oXL.activecell.offset(0, 8).Value  'E-mail"},
    {When::kAlways, "        u.Put \"homeDrive\", oXL.activecell.offset(0, 7).Value  'Home Drive"},
    {When::kAlways,
     "        u.Put \"homeDirectory\", oXL.activecell.offset(0, 8).Value  'Home Directory"},
    {When::kAlways,
     "        u.Put \"scriptPath\", oXL.activecell.offset(0, 9).Value  'Logon script"},
    {When::kProfile,
     "        u.Put \"ProfilePath\",oXL.activecell.offset(0, 10).Value  'Profile Path"},
    {When::kAlways, "  "},
    {When::kAlways, "  "},
    {When::kAlways, ""},
    {When::kAlways, "        ' Write the new user to the directory."},
    {When::kAlways, "        u.SetInfo"},
    {When::kAlways, ""},
    {When::kAlways, "  pword= oXL.activecell.offset(0, 6).Value"},
    {When::kAlways, ""},
    {When::kAlways, "  u.SetPassword pword"},
    {When::kAlways, "  u.AccountDisabled = False"},
    {When::kNeverExpires, "  u.Put \"userAccountControl\", \"66048\""},
    {When::kMustChange, "  u.Put \"pwdLastSet\", \"0\""},
    {When::kAlways, "  u.SetInfo "},
    {When::kAlways, ""},
    {When::kAlways, ""},
    {When::kAlways, "        ' Done with this user; let the object go."},
    {When::kAlways, "        Set u = Nothing"},
    {When::kAlways, ""},
    {When::kAlways, "        ' Step to the next user."},
    {When::kAlways, "        oXL.activecell.offset(1, 0).Activate   'Next row"},
    {When::kAlways, "    Loop"},
    {When::kAlways, ""},
    {When::kAlways, ""},
    {When::kAlways, "    ' All users are done: close the spreadsheet."},
    {When::kAlways, "    oXL.application.quit"},
};

bool Applies(When when, const Options& options) {
  switch (when) {
    case When::kAlways:
      return true;
    case When::kProfile:
      return options.sets_profile_path;
    case When::kNeverExpires:
      return options.password_never_expires;
    case When::kMustChange:
      return options.must_change_password;
  }
  return true;
}

}  // namespace

std::vector<std::string> AddUsersScriptLines(const Options& options) {
  std::vector<std::string> lines;
  for (const ScriptLine& line : kScript) {
    if (Applies(line.when, options)) lines.emplace_back(line.text);
  }
  return lines;
}

void WriteAddUsersScript(rt::Files& files, const Options& options) {
  const rt::FileNumber file = files.OpenOutput(kAddUsersScriptPath);
  for (const std::string& line : AddUsersScriptLines(options)) files.PrintLine(file, line);
  files.Close(file);
}

}  // namespace acctgen
