#include "acctgen/logic/account_files/ou_script.h"

namespace acctgen {

std::vector<std::string> OuScriptHeadLines(const Options& options, std::string_view ldap_binding) {
  std::vector<std::string> lines = {
      "On Error Resume Next",
      " ",
      "'Bind",
      " ",
      std::string("Set dom = GetObject(").append(ldap_binding),
      " ",
  };
  if (options.school_ou) {
    lines.insert(lines.end(), {"'Make School OU",
                               "Set schoolOrg = dom.Create(\"organizationalUnit\", \"OU=School\")",
                               "schoolOrg.SetInfo", " "});
  }
  if (options.students_ou) {
    const std::string parent = options.school_ou ? "schoolOrg" : "dom";
    lines.insert(lines.end(), {"'Make Students OU",
                               "Set studentsOrg = " + parent +
                                   ".Create(\"organizationalUnit\", \"OU=Students\")",
                               "studentsOrg.SetInfo", " "});
  }
  return lines;
}

std::string_view LeavingYearParent(const Options& options) {
  if (options.students_ou) return "studentsOrg";
  if (options.school_ou) return "schoolOrg";
  return "dom";
}

std::vector<std::string> CalendarYearLines(const Options& options,
                                           const std::vector<std::string>& leaving_years) {
  const std::string parent(LeavingYearParent(options));
  std::vector<std::string> lines = {"'Make calendar year OU's "};
  for (const std::string& year : leaving_years) {
    const std::string unit = "yrgp" + year;
    lines.push_back("Set " + unit + " = " + parent +
                    ".Create(\"organizationalUnit\", \"OU=" + year + "\")");
    lines.push_back(unit + ".Description = \"Students final year " + year + "\"");
    lines.push_back(unit + ".SetInfo");
    lines.emplace_back(" ");
  }
  return lines;
}

}  // namespace acctgen
