#pragma once
// The 45 input controls of the main form, by name, with where FormValues keeps each value;
// in the order of the settings file.

#include <array>
#include <string>
#include <string_view>

#include "acctgen/logic/form_values.h"

namespace acctgen {

struct FormField {
  const char* control;
  std::string FormValues::*text;  // set for text boxes
  bool FormValues::*flag;         // set for options and check boxes
};

inline constexpr int kFormFieldCount = 45;

const std::array<FormField, kFormFieldCount>& FormFields();

// The field of a control; nullptr for a name that is no input control.
const FormField* FindFormField(std::string_view control);

}  // namespace acctgen
