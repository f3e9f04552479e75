#pragma once
// c:\undo.ldf: imported with the same ldifde command after c:\addusers.ldf, it takes that import
// back: each account it added is deleted, each leaver it disabled and each student it brought
// back returns to its unit and its account control. What no LDIF file can bring back (the units
// the import made, the accounts it deleted) its comment lines name.

#include <string_view>
#include <vector>

#include "acctgen/logic/account_files/ldif_file.h"
#include "acctgen/logic/account_files/leaver_entries.h"
#include "runtime/files.h"

namespace acctgen {

inline constexpr std::string_view kUndoPath = "c:\\undo.ldf";

// Writes the file whole: its changes undo those of addusers.ldf in the reverse order.
void WriteUndoFile(rt::Files& files, const LdifFile& ldif, const LeaverChanges& changes);

}  // namespace acctgen
