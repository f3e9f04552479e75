#include "acctgen/logic/students/ou_path.h"

#include "runtime/concat.h"

namespace acctgen {

std::string BuildOuPath(const Options& options, std::string_view leaving_year) {
  std::string levels;
  auto add = [&levels](std::string_view level) {
    if (!levels.empty()) levels += ",";
    levels += level;
  };
  if (options.leaving_year_ous) add(rt::Concat({"OU=", leaving_year}));
  if (options.students_ou) add("OU=Students");
  if (options.school_ou) add("OU=School");
  return rt::Concat({"\"", levels, "\""});
}

}  // namespace acctgen
