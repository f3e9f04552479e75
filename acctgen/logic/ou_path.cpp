#include "acctgen/logic/ou_path.h"

#include "runtime/concat.h"

namespace acctgen {

std::string BuildOuPath(const FormValues& form, std::string_view leaving_year) {
  std::string levels;
  auto add = [&levels](std::string_view level) {
    if (!levels.empty()) levels += ",";
    levels += level;
  };
  if (form.Check3) add(rt::Concat({"OU=", leaving_year}));
  if (form.Check2) add("OU=Students");
  if (form.Check1) add("OU=School");
  return rt::Concat({"\"", levels, "\""});
}

}  // namespace acctgen
