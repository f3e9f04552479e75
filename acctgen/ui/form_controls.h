#pragma once
// The main form's controls as the program opens, before the saved settings are restored: one
// table from which the window's layout, the tab order and the form model's controls all come.

#include <string_view>
#include <vector>

#include "acctgen/ui/form_model.h"

namespace acctgen::ui {

std::vector<Control> StartControls();

// A control's identifier in the window, from its name: the hundred of its kind plus its
// number ("Text1" is 101, "Option4" 204, "Check18" 318, "Label15" 415, "Frame2" 502,
// "Command1" 601), so that the window and the reactions tell controls apart by number.
constexpr int ControlId(std::string_view name) {
  constexpr std::string_view kKinds[] = {"Text", "Option", "Check", "Label", "Frame", "Command"};
  for (int kind = 0; kind < 6; ++kind) {
    if (name.substr(0, kKinds[kind].size()) != kKinds[kind]) continue;
    int number = 0;
    for (char digit : name.substr(kKinds[kind].size())) number = number * 10 + (digit - '0');
    return (kind + 1) * 100 + number;
  }
  return 0;
}

// The thirteen year boxes, "K" and "1" to "12".
inline constexpr std::string_view kYearBoxes[] = {
    "Check5",  "Check6",  "Check7",  "Check8",  "Check9",  "Check10", "Check11",
    "Check12", "Check13", "Check14", "Check15", "Check16", "Check17"};

// The school types with the years each one ticks, "K" being year 0.
struct SchoolType {
  std::string_view option;
  int first_year;
  int last_year;
};
inline constexpr SchoolType kSchoolTypes[] = {{"Option4", 0, 2},
                                              {"Option5", 0, 6},
                                              {"Option6", 0, 12},
                                              {"Option7", 7, 10},
                                              {"Option8", 7, 12}};

// Examples shown beside the fields and in their tool tips.
inline constexpr std::string_view kExampleDnsName = "eg. hillcrest.school.example";
inline constexpr std::string_view kExampleNetBiosName = "eg. HILLCREST";
inline constexpr std::string_view kExampleServerName = "eg. HCSERVER1";
inline constexpr std::string_view kExampleUncPath = "eg. \\\\HCSERVER1\\profiles";

}  // namespace acctgen::ui
