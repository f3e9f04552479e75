#pragma once
// The account generator's saved form, "c:\trellis.ini", as far as another program needs it: the
// wizard follows the tools that the last run chose for the batch files it starts, and the rights
// tool offers the domain that the generator named the accounts in.

#include <string>
#include <string_view>

#include "runtime/files.h"

namespace school {

inline constexpr std::string_view kSettingsPath = "c:\\trellis.ini";

// The field, counted from 1 across both lines, that holds the NetBIOS name of the school's
// domain ("HILLCREST"); it ends the first line.
inline constexpr int kNetbiosDomainField = 43;

// The field, counted from 1 across both lines, that holds "1" when the last run wrote its batch
// files for today's Windows tools (ldifde, md, icacls) instead of Excel, VBScript and xcacls.
inline constexpr int kTodaysToolsField = 47;

// Whether the last run chose today's tools. A missing or unreadable file, or one written before
// the choice existed, means the classic tools.
bool TodaysToolsChosen(rt::Files& files);

// The NetBIOS domain name the generator saved, without surrounding spaces; empty when the file
// is missing, unreadable or ends before it.
std::string SavedNetbiosDomain(rt::Files& files);

}  // namespace school
