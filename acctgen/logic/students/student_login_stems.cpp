#include "acctgen/logic/students/student_login_stems.h"

#include "school/login_names.h"

namespace acctgen {

bool StudentLoginStems::Add(const std::string& base_login) {
  if (base_login.empty()) return true;
  auto base = kinds_.try_emplace(base_login, 0).first;
  if (base->second & kBase) return false;
  base.value() |= kBase | kStem;
  // Every number length that no longer fits beside the whole base cuts it: a base of 18
  // characters keeps its two-digit numbers whole and is cut for three and four digits.
  for (std::size_t digits = 1; digits <= 4; ++digits) {
    if (base_login.size() + digits <= school::kMaxLoginLength) continue;
    std::string stem = base_login.substr(0, school::kMaxLoginLength - digits);
    if (!stem.empty() && stem.back() == '.') stem.pop_back();
    kinds_.try_emplace(std::move(stem), 0).first.value() |= kStem;
  }
  return true;
}

bool StudentLoginStems::MayBelongToAStudent(std::string_view account) const {
  if (const auto whole = kinds_.find(account); whole != kinds_.end() && (whole->second & kBase)) {
    return true;
  }
  std::size_t stem_end = account.size();
  while (stem_end > 0 && account[stem_end - 1] >= '0' && account[stem_end - 1] <= '9') --stem_end;
  if (stem_end == 0 || stem_end == account.size() || account[stem_end] == '0') return false;
  const auto stem = kinds_.find(account.substr(0, stem_end));
  return stem != kinds_.end() && (stem->second & kStem);
}

}  // namespace acctgen
