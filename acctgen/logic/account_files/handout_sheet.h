#pragma once
// The printable password hand-out: one page per roll class with each new account's login and
// password, so the administrator can give every student his or her own password on paper.

#include <string>
#include <string_view>
#include <vector>

#include "runtime/clock.h"
#include "runtime/files.h"

namespace acctgen {

inline constexpr std::string_view kHandoutPath = "c:\\handout.htm";

// One student who got an account row in this run.
struct HandoutEntry {
  std::string RollClass;
  std::string Surname;
  std::string PreferredName;
  std::string DisplayName;
  std::string Login;
  std::string Password;
  std::string HomeDrive;  // "H:"
  std::string HomePath;   // "\\server\share\2030\tomas.varga"
};

// Text with & < > " ' written as HTML character references.
std::string EscapeHtml(std::string_view text);

// The whole page: a head naming the domain, the date and the number of new accounts, then one
// section per roll class in ascending order of the class text, each on a new printed page, its
// rows ordered by surname and preferred name. Lines end CR LF.
std::string RenderHandoutSheet(std::string_view domain, const rt::DateTime& date,
                               const std::vector<HandoutEntry>& entries);

// Creates or truncates c:\handout.htm and writes the page.
void WriteHandoutSheet(rt::Files& files, std::string_view domain, const rt::DateTime& date,
                       const std::vector<HandoutEntry>& entries);

}  // namespace acctgen
