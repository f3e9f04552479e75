#include "acctgen/logic/ou_script.h"

namespace acctgen {

std::vector<std::string> OuScriptHeadLines(const FormValues& form, std::string_view ldap_binding) {
  std::vector<std::string> lines = {
      "On Error Resume Next",
      " ",
      "'Bind",
      " ",
      std::string("Set dom = GetObject(").append(ldap_binding),
      " ",
  };
  if (form.SchoolOu()) {
    lines.insert(lines.end(), {"'Make School OU",
                               "Set schoolOrg = dom.Create(\"organizationalUnit\", \"OU=School\")",
                               "schoolOrg.SetInfo", " "});
  }
  if (form.StudentsOu()) {
    const std::string parent = form.SchoolOu() ? "schoolOrg" : "dom";
    lines.insert(lines.end(), {"'Make Students OU",
                               "Set studentsOrg = " + parent +
                                   ".Create(\"organizationalUnit\", \"OU=Students\")",
                               "studentsOrg.SetInfo", " "});
  }
  return lines;
}

std::string_view LeavingYearParent(const FormValues& form) {
  if (form.StudentsOu()) return "studentsOrg";
  if (form.SchoolOu()) return "schoolOrg";
  return "dom";
}

std::vector<std::string> CalendarYearLines(const FormValues& form,
                                           const std::vector<std::string>& leaving_years) {
  const std::string parent(LeavingYearParent(form));
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
