#pragma once
// Existing students' accounts as start-up would load them, for the tests, benchmarks and fuzzers
// of the generator.

#include <string>
#include <vector>

#include "acctgen/logic/startup/startup_state.h"

namespace acctgen::testing {

// The accounts named, each in the unit of the OU class at the same position ("2027",
// "Students", ...; "Students" where none is given).
inline std::vector<ExistingAccount> StudentAccounts(
    const std::vector<std::string>& names, const std::vector<std::string>& ou_classes = {}) {
  std::vector<ExistingAccount> accounts;
  accounts.reserve(names.size());
  for (std::size_t i = 0; i < names.size(); ++i) {
    const std::string ou_class = i < ou_classes.size() ? ou_classes[i] : "Students";
    accounts.push_back(
        {names[i], ou_class, "," + names[i] + ",OU=" + ou_class + ",DC=example", "", ""});
  }
  return accounts;
}

// The names of the accounts, in their order.
inline std::vector<std::string> NamesOf(const std::vector<ExistingAccount>& accounts) {
  std::vector<std::string> names;
  for (const ExistingAccount& account : accounts) names.push_back(account.Name);
  return names;
}

}  // namespace acctgen::testing
