#include "acctgen/logic/ou_path.h"

#include "runtime/concat.h"

namespace acctgen {

std::string BuildOuPath(const FormValues& form, std::string_view leaving_year) {
  std::string levels;
  auto add = [&levels](std::string_view level) {
    if (!levels.empty()) levels += ",";
    levels += level;
  };
  if (form.LeavingYearOus()) add(rt::Concat({"OU=", leaving_year}));
  if (form.StudentsOu()) add("OU=Students");
  if (form.SchoolOu()) add("OU=School");
  return rt::Concat({"\"", levels, "\""});
}

}  // namespace acctgen
