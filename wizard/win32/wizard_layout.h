#pragma once
// The wizard's window: its size, title and buttons, in twips as the form designer laid them out,
// in tab order. The window builds itself from this table.

#include <array>
#include <string_view>

#include "runtime/twips.h"
#include "school/product.h"
#include "wizard/logic/wizard_steps.h"

namespace wizard {

inline constexpr std::string_view kWindowTitle = "Trellis Student Accounts Setup Wizard";

using school::kGeneratorTitle;

inline constexpr int kClientWidthTwips = 5985;
inline constexpr int kClientHeightTwips = 4065;

struct ButtonSpec {
  Step step;
  int id;  // the control id: 101 for Command1 ... 107 for Command7
  std::string_view caption;
  std::string_view tool_tip;
  rt::TwipsRect rect;
  // The tip when the last run chose today's tools; empty when it says the same.
  std::string_view todays_tool_tip = {};
};

inline constexpr std::string_view kStep2ToolTip = "Step 2: Run the " TRELLIS_GENERATOR_TITLE "...";

// Command1 to Command7 in tab order.
inline constexpr std::array<ButtonSpec, 7> kButtons = {{
    {Step::k1,
     101,
     "Step 1",
     "Step 1: Export current Active Directory and Student Details from KORU.  Click for "
     "instructions...",
     {720, 720, 1575, 375}},
    {Step::k2, 102, "Step 2", kStep2ToolTip, {720, 1440, 1575, 375}},
    {Step::k3,
     103,
     "Step 3",
     "Step 3: Save the ADDUSERS.CSV file as an Excel Spreadsheet called ADDUSERS.XLS...",
     {720, 2160, 1575, 375},
     "Step 3: Not needed: the last run chose today's Windows tools, so Step 4 imports "
     "c:\\addusers.ldf..."},
    {Step::k4,
     104,
     "Step 4",
     "Step 4: Runs a batch file that creates all the OUs and users as specified in steps 1 and "
     "2...",
     {3600, 720, 1575, 375},
     "Step 4: Runs a batch file that imports all the OUs and users of steps 1 and 2 from "
     "c:\\addusers.ldf with ldifde..."},
    {Step::k5,
     105,
     "Step 5",
     "Step 5: Runs a batch file to create 'home folders' for all accounts on the share "
     "specified in step 2...",
     {3600, 1440, 1575, 375}},
    {Step::k6,
     106,
     "Step 6",
     "Step 6: Runs a batch file to allocate permissions as specified in step 2 for all users to "
     "their home folder...",
     {3600, 2160, 1575, 375}},
    {Step::kExit, 107, "E&xit", "Click to close this Wizard", {2400, 3000, 1095, 375}},
}};

// The button's tip for the tools the last run chose.
constexpr std::string_view ToolTipOf(const ButtonSpec& button, bool todays_tools) {
  return todays_tools && !button.todays_tool_tip.empty() ? button.todays_tool_tip : button.tool_tip;
}

// The button with this control id; nullptr for none.
constexpr const ButtonSpec* FindButton(int id) {
  for (const ButtonSpec& button : kButtons) {
    if (button.id == id) return &button;
  }
  return nullptr;
}

}  // namespace wizard
