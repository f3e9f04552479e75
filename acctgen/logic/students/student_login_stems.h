#pragma once
// Which existing accounts may belong to a student who is still at school. An account is only a
// leaver's when no line of school.txt that names a student could hold it, whatever years the
// run ticks and whether or not the line has a data error: deleting a current student's account
// loses his or her work, keeping a leaver's by mistake only costs an account.
//
// A student holds the login his or her names derive, or, numbered in an earlier year, that
// login's base followed by a number (the base cut to make room for the number). Which of
// several namesakes has left cannot be told from the names, so all of them are kept.

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "runtime/text_set.h"
#include "tsl/robin_map.h"

namespace acctgen {

class StudentLoginStems {
 public:
  // The student's login before numbering: transliterated, joined and limited to 20 characters.
  // Returns false when the base was added before (by a namesake).
  bool Add(const std::string& base_login);

  bool MayBelongToAStudent(std::string_view account) const;

  // Makes room for about this many students at once rather than growing step by step.
  void Reserve(std::size_t students) { kinds_.reserve(students); }

 private:
  static constexpr unsigned char kBase = 1;  // a student's login before numbering
  // The text a number follows in a numbered login: the base, or the base cut as a number of 1
  // to 4 digits needs it, losing a final "." (a run numbers a base up to 9999).
  static constexpr unsigned char kStem = 2;
  // One table for both kinds, so that each text is hashed and stored once.
  tsl::robin_map<std::string, unsigned char, rt::TextHash, std::equal_to<>,
                 std::allocator<std::pair<std::string, unsigned char>>, /*StoreHash=*/true>
      kinds_;
};

}  // namespace acctgen
