#pragma once
// Which of several namesakes in school.txt takes an existing account. Namesakes share a base
// login, and file order alone would give the account to the first of them, say a newcomer who
// stands before the current student. Each account sits in the unit of the year its student
// leaves, so the namesake who leaves in that year takes it, wherever he or she stands in the
// file; the others are numbered as new students. An account no namesake's year matches is left
// to file order.

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "runtime/text_set.h"
#include "tsl/robin_map.h"

namespace acctgen {

// The leaving-year unit of each student's account that sits in one, by login: a table as large
// as the school, looked up for every student.
using AccountYears = tsl::robin_map<std::string, std::string, rt::TextHash, std::equal_to<>,
                                    std::allocator<std::pair<std::string, std::string>>,
                                    /*StoreHash=*/true>;

// A student line of school.txt that may hold one of the accounts.
struct AccountClaimant {
  std::size_t line = 0;    // the line's position in school.txt, from 0
  std::string base_login;  // limited to 20 characters, before numbering
  std::string leaving_year;
};

// An account that a claimant takes: its login, and its number for the base (0 when plain).
struct ClaimedAccount {
  std::string login;
  int number = 0;
};

class NamesakeAccounts {
 public:
  // The students' accounts that sit in a leaving-year unit, by login with that unit's year.
  explicit NamesakeAccounts(const AccountYears& year_of);

  bool empty() const { return year_of_.empty(); }

  // Whether a student of this base login could take one of the accounts: the account is the
  // base itself or the base numbered.
  bool Concerns(const std::string& base_login) const;

  // The accounts the claimants take, by line. Claimants come in file order; each account goes
  // to the first claimant of its base whose leaving year is its unit and who has none yet, the
  // base's accounts taken in the order of their numbers. Only the bases that several lines of
  // school.txt share (repeated), or that have numbered accounts, can go otherwise than in file
  // order; the others are left to it.
  std::unordered_map<std::size_t, ClaimedAccount> Assign(
      const std::vector<AccountClaimant>& claimants,
      const std::unordered_set<std::string>& repeated) const;

 private:
  // The accounts that the base login (with its numbers) could be, in the order of their numbers.
  std::vector<ClaimedAccount> AccountsOf(const std::string& base_login) const;
  bool HasNumbered(const std::string& base_login) const;

  const AccountYears& year_of_;
  // The accounts that end in a number, by the text before it.
  std::unordered_map<std::string, std::vector<ClaimedAccount>> numbered_;
};

}  // namespace acctgen
