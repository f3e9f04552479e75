#include "acctgen/logic/students/namesake_accounts.h"

#include <algorithm>

#include "school/login_names.h"

namespace acctgen {

namespace {

// Numbers up to 9999: the numbering appends at most four digits to a base.
constexpr std::size_t kMaxDigits = 4;

// The text a numbered login with this many digits keeps of a base that is too long for them.
std::string CutStem(const std::string& base, std::size_t digits) {
  std::string stem = base.substr(0, school::kMaxLoginLength - digits);
  if (!stem.empty() && stem.back() == '.') stem.pop_back();
  return stem;
}

}  // namespace

NamesakeAccounts::NamesakeAccounts(const AccountYears& year_of) : year_of_(year_of) {
  const auto is_digit = [](char c) { return c >= '0' && c <= '9'; };
  for (const auto& [login, year] : year_of_) {
    // The number is every digit at the end: a name that ends in digits itself is left to file
    // order, as it would be read ambiguously.
    std::size_t stem_end = login.size();
    while (stem_end > 0 && is_digit(login[stem_end - 1])) --stem_end;
    const std::size_t digits = login.size() - stem_end;
    if (digits == 0 || digits > kMaxDigits || stem_end == 0 || login[stem_end] == '0') continue;
    const int number = std::stoi(login.substr(stem_end));
    if (number >= 2) numbered_[login.substr(0, stem_end)].push_back({login, number});
  }
}

bool NamesakeAccounts::Concerns(const std::string& base) const {
  return year_of_.count(base) != 0 || HasNumbered(base);
}

bool NamesakeAccounts::HasNumbered(const std::string& base) const {
  if (numbered_.empty()) return false;
  if (numbered_.count(base) != 0) return true;
  for (std::size_t digits = 1; digits <= kMaxDigits; ++digits) {
    if (base.size() + digits > school::kMaxLoginLength && numbered_.count(CutStem(base, digits))) {
      return true;
    }
  }
  return false;
}

std::vector<ClaimedAccount> NamesakeAccounts::AccountsOf(const std::string& base) const {
  std::vector<ClaimedAccount> found;
  if (year_of_.count(base) != 0) found.push_back({base, 0});
  const auto add_from = [&](const std::string& stem) {
    const auto entries = numbered_.find(stem);
    if (entries == numbered_.end()) return;
    for (const ClaimedAccount& entry : entries->second) {
      if (school::NumberedLogin(base, entry.number) == entry.login) found.push_back(entry);
    }
  };
  add_from(base);
  for (std::size_t digits = 1; digits <= kMaxDigits; ++digits) {
    if (base.size() + digits > school::kMaxLoginLength) add_from(CutStem(base, digits));
  }
  std::sort(found.begin(), found.end(),
            [](const ClaimedAccount& a, const ClaimedAccount& b) { return a.number < b.number; });
  found.erase(std::unique(found.begin(), found.end(),
                          [](const ClaimedAccount& a, const ClaimedAccount& b) {
                            return a.login == b.login;
                          }),
              found.end());
  return found;
}

std::unordered_map<std::size_t, ClaimedAccount> NamesakeAccounts::Assign(
    const std::vector<AccountClaimant>& claimants,
    const std::unordered_set<std::string>& repeated) const {
  // The claimants of each base that can go otherwise than in file order, the bases in the order
  // they first appear.
  std::unordered_map<std::string, std::size_t> group_of;
  std::vector<std::vector<const AccountClaimant*>> groups;
  for (const AccountClaimant& claimant : claimants) {
    const std::string& base = claimant.base_login;
    if (repeated.count(base) == 0 && !HasNumbered(base)) continue;
    const auto [group, added] = group_of.emplace(base, groups.size());
    if (added) groups.emplace_back();
    groups[group->second].push_back(&claimant);
  }

  std::unordered_map<std::size_t, ClaimedAccount> taken;
  std::unordered_set<std::string> given_out;
  for (const auto& group : groups) {
    for (const ClaimedAccount& account : AccountsOf(group.front()->base_login)) {
      if (given_out.count(account.login) != 0) continue;
      const std::string& year = year_of_.at(account.login);
      for (const AccountClaimant* claimant : group) {
        if (claimant->leaving_year != year || taken.count(claimant->line) != 0) continue;
        taken.emplace(claimant->line, account);
        given_out.insert(account.login);
        break;
      }
    }
  }
  return taken;
}

}  // namespace acctgen
