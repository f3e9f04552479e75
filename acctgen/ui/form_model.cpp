#include "acctgen/ui/form_model.h"

#include <algorithm>
#include <stdexcept>

#include "acctgen/ui/form_controls.h"
#include "runtime/text.h"

namespace acctgen::ui {

FormModel::FormModel(rt::Dialogs& dialogs) : dialogs_(dialogs), controls_(StartControls()) {}

Control& FormModel::Find(std::string_view name) {
  for (Control& control : controls_) {
    if (control.name == name) return control;
  }
  throw std::out_of_range("no control " + std::string(name));
}

const Control& FormModel::Get(std::string_view name) const {
  return const_cast<FormModel*>(this)->Find(name);
}

const Control* FormModel::FindById(int id) const {
  for (const Control& control : controls_) {
    if (control.id == id) return &control;
  }
  return nullptr;
}

void FormModel::Changed(const Control& control) {
  if (on_change) on_change(control.name);
}

void FormModel::SetText(std::string_view name, std::string_view text) {
  Control& control = Find(name);
  if (control.kind != ControlKind::kText || control.text == text) return;
  control.text = std::string(text);
  Changed(control);
  React(control);
}

void FormModel::SetFlag(std::string_view name, bool on) {
  Control& control = Find(name);
  if (control.kind != ControlKind::kOption && control.kind != ControlKind::kCheck) return;
  if (control.checked == on) return;
  if (control.kind == ControlKind::kOption && on) {
    for (Control& other : controls_) {
      if (&other != &control && other.kind == ControlKind::kOption &&
          other.option_group == control.option_group && other.checked) {
        other.checked = false;
        Changed(other);
      }
    }
  }
  control.checked = on;
  Changed(control);
  // Options react to being selected only; boxes to every change.
  if (control.kind == ControlKind::kCheck || on) React(control);
}

void FormModel::SetEnabled(std::string_view name, bool enabled) {
  Control& control = Find(name);
  if (control.enabled == enabled) return;
  control.enabled = enabled;
  Changed(control);
}

void FormModel::Click(std::string_view name) {
  Control& control = Find(name);
  if (!control.enabled) return;
  switch (control.kind) {
    case ControlKind::kOption:
      SetFlag(name, true);
      break;
    case ControlKind::kCheck:
      SetFlag(name, !control.checked);
      break;
    case ControlKind::kButton:
      if (control.id == ControlId("Command1") && on_create) on_create(Snapshot());
      if (control.id == ControlId("Command2") && on_exit) on_exit();
      break;
    default:
      break;
  }
}

void FormModel::React(Control& control) {
  if (control.kind == ControlKind::kOption) {
    if (control.option_group == "type") {
      ReactToSchoolType(control.name);
    } else if (control.id == ControlId("Option11")) {
      SetYearBoxesEnabled(false);
    } else if (control.id == ControlId("Option12")) {
      SetYearBoxesEnabled(true);
    }
    return;
  }
  switch (control.id) {
    case ControlId("Check18"):
      ReactToDeleteLeavers(control.checked);
      break;
    case ControlId("Check4"):
      SetEnabled("Label15", !control.checked);
      SetEnabled("Text6", !control.checked);
      break;
    case ControlId("Check19"):
      SetEnabled("Label20", control.checked);
      SetEnabled("Text8", control.checked);
      break;
    case ControlId("Check20"):
      if (control.checked && rt::Trim(Get("Text9").text).empty()) {
        dialogs_.ShowMessage(kNetBiosNameNeeded, kPleaseNoteTitle, rt::MessageIcon::kWarning);
        SetFlag("Check20", false);
      }
      break;
    default:
      if (control.upper_case) SetText(control.name, rt::ToUpper1252(control.text));
      break;
  }
}

void FormModel::ReactToSchoolType(std::string_view option) {
  for (const SchoolType& type : kSchoolTypes) {
    if (type.option != option) continue;
    ClearYearBoxes();
    for (int year = type.first_year; year <= type.last_year; ++year) {
      SetFlag(kYearBoxes[year], true);
    }
  }
}

void FormModel::ReactToDeleteLeavers(bool ticked) {
  if (!ticked) {
    SetEnabled("Option11", true);
    SetEnabled("Option12", true);
    return;
  }
  // Leavers are found over every year, so the years are forced to "All Years" and locked.
  if (Get("Option11").checked) {
    SetYearBoxesEnabled(false);
  } else {
    SetFlag("Option11", true);
  }
  SetFlag("Option12", false);
  SetEnabled("Option11", false);
  SetEnabled("Option12", false);
  for (const SchoolType& type : kSchoolTypes) {
    if (Get(type.option).checked) {
      ReactToSchoolType(type.option);
      break;
    }
  }
}

void FormModel::SetYearBoxesEnabled(bool enabled) {
  for (std::string_view box : kYearBoxes) SetEnabled(box, enabled);
}

void FormModel::ClearYearBoxes() {
  for (std::string_view box : kYearBoxes) SetFlag(box, false);
}

FormValues FormModel::Snapshot() const {
  FormValues values;
  for (const Control& control : controls_) {
    if (control.text_field != nullptr) values.*control.text_field = control.text;
    if (control.flag_field != nullptr) values.*control.flag_field = control.checked;
  }
  return values;
}

const std::vector<std::string>& FormModel::TabOrder() {
  static const std::vector<std::string> order = [] {
    std::vector<Control> controls = StartControls();
    std::erase_if(controls, [](const Control& control) { return control.tab == 0; });
    std::sort(controls.begin(), controls.end(),
              [](const Control& a, const Control& b) { return a.tab < b.tab; });
    std::vector<std::string> names;
    names.reserve(controls.size());
    for (const Control& control : controls) names.push_back(control.name);
    return names;
  }();
  return order;
}

}  // namespace acctgen::ui
