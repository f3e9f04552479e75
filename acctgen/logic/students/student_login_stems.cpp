#include "acctgen/logic/students/student_login_stems.h"

#include "school/login_names.h"

namespace acctgen {

bool StudentLoginStems::Add(const std::string& base_login) {
  if (base_login.empty()) return true;
  if (!bases_.insert(base_login).second) return false;
  numbered_stems_.insert(base_login);
  // Every number length that no longer fits beside the whole base cuts it: a base of 18
  // characters keeps its two-digit numbers whole and is cut for three and four digits.
  for (std::size_t digits = 1; digits <= 4; ++digits) {
    if (base_login.size() + digits <= school::kMaxLoginLength) continue;
    std::string stem = base_login.substr(0, school::kMaxLoginLength - digits);
    if (!stem.empty() && stem.back() == '.') stem.pop_back();
    numbered_stems_.insert(std::move(stem));
  }
  return true;
}

bool StudentLoginStems::MayBelongToAStudent(std::string_view account) const {
  if (bases_.contains(account)) return true;
  std::size_t stem_end = account.size();
  while (stem_end > 0 && account[stem_end - 1] >= '0' && account[stem_end - 1] <= '9') --stem_end;
  if (stem_end == 0 || stem_end == account.size() || account[stem_end] == '0') return false;
  return numbered_stems_.contains(account.substr(0, stem_end));
}

}  // namespace acctgen
