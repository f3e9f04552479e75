#pragma once
// The rights batch for today's Windows, which ships icacls and no xcacls: the same grants as the
// xcacls lines, through the same trees. xcacls replaced every ACL of a tree; here each tree is
// first reset to inherit, and its top folder then gets the grants alone (inherited entries
// removed), marked to flow down to every folder and file below it. Every path and name is
// quoted, so a blank or one of & ( ) ^ cannot split or redirect the command. Administrators,
// SYSTEM and Everyone are named by their well-known identifiers, which Windows reads alike in
// every language (a German server calls them Administratoren, SYSTEM and Jeder), and each
// student by the domain and the login, so that a local account of the same name on the server
// is never the one granted.

#include <string>
#include <string_view>
#include <vector>

#include "grantor/logic/shortcut_file.h"

namespace grantor {

// Whether the text can be the NetBIOS name of the students' domain in a batch line: not empty,
// and none of the characters such a name cannot hold (\ / : * ? " < > |), no percent sign and no
// control character.
bool NetbiosNameUsable(std::string_view domain);

// The lines that reset the whole tree under the package folder: full control for the
// administrators and the system, read access for everyone.
std::vector<std::string> IcaclsResetLines(std::string_view package_path);

// The line that gives one student, domain\login, read and change (modify) rights on his or her
// own folder, besides the grants of the reset, which it repeats because the folder's inherited
// entries go.
std::string IcaclsStudentLine(std::string_view package_path, std::string_view student_root,
                              const ShortcutRecord& record, std::string_view domain,
                              std::string_view login);

}  // namespace grantor
