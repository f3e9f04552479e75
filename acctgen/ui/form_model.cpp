#include "acctgen/ui/form_model.h"

#include <algorithm>
#include <stdexcept>

#include "runtime/text.h"

namespace acctgen::ui {

namespace {

std::vector<Control> StartControls() {
  const Options start = FreshFormOptions();
  std::vector<Control> controls;
  for (const FormField& row : FormFields()) {
    Control& control = controls.emplace_back(row);
    control.enabled = row.enabled;
    if (row.kind == ControlKind::kText) control.text = TextOf(start, row.field);
    if (row.kind == ControlKind::kOption || row.kind == ControlKind::kCheck) {
      control.checked = FlagOf(start, row.field);
    }
  }
  return controls;
}

}  // namespace

FormModel::FormModel(rt::Dialogs& dialogs) : dialogs_(dialogs), controls_(StartControls()) {
  for (Control& control : controls_) {
    const Field field = control.row.field;
    if (field != Field::kNone) of_field_[static_cast<int>(field)] = &control;
  }
}

Control& FormModel::Find(std::string_view name) {
  for (Control& control : controls_) {
    if (control.row.name == name) return control;
  }
  throw std::out_of_range("no control " + std::string(name));
}

const Control& FormModel::Get(std::string_view name) const {
  return const_cast<FormModel*>(this)->Find(name);
}

const Control* FormModel::FindById(int id) const {
  for (const Control& control : controls_) {
    if (control.row.id == id) return &control;
  }
  return nullptr;
}

void FormModel::Changed(const Control& control) {
  if (on_change) on_change(control.row.name);
}

void FormModel::SetText(Field field, std::string_view text) { Text(At(field), text); }
void FormModel::SetFlag(Field field, bool on) { Flag(At(field), on); }
void FormModel::SetText(std::string_view name, std::string_view text) { Text(Find(name), text); }
void FormModel::SetFlag(std::string_view name, bool on) { Flag(Find(name), on); }

void FormModel::Text(Control& control, std::string_view text) {
  if (control.row.kind != ControlKind::kText || control.text == text) return;
  control.text = std::string(text);
  Changed(control);
  React(control);
}

void FormModel::Flag(Control& control, bool on) {
  if (control.row.kind != ControlKind::kOption && control.row.kind != ControlKind::kCheck) return;
  if (control.checked == on) return;
  if (control.row.kind == ControlKind::kOption && on) {
    for (Control& other : controls_) {
      if (&other != &control && other.row.kind == ControlKind::kOption &&
          std::string_view(other.row.group) == control.row.group && other.checked) {
        other.checked = false;
        Changed(other);
      }
    }
  }
  control.checked = on;
  Changed(control);
  // Options react to being selected only; boxes to every change.
  if (control.row.kind == ControlKind::kCheck || on) React(control);
}

void FormModel::Enable(Control& control, bool enabled) {
  if (control.enabled == enabled) return;
  control.enabled = enabled;
  Changed(control);
}

void FormModel::EnableWithLabel(Field field, bool enabled) {
  Control& control = At(field);
  if (*control.row.label != '\0') Enable(Find(control.row.label), enabled);
  Enable(control, enabled);
}

void FormModel::Click(int id) {
  auto control = std::find_if(controls_.begin(), controls_.end(),
                              [id](const Control& c) { return c.row.id == id; });
  if (control == controls_.end() || !control->enabled) return;
  switch (control->row.kind) {
    case ControlKind::kOption:
      Flag(*control, true);
      break;
    case ControlKind::kCheck:
      Flag(*control, !control->checked);
      break;
    case ControlKind::kButton:
      React(*control);
      break;
    default:
      break;
  }
}

void FormModel::React(Control& control) {
  switch (control.row.reaction) {
    case Reaction::kSchoolType:
      ReactToSchoolType(control);
      break;
    case Reaction::kAllYears:
      SetYearBoxesEnabled(false);
      break;
    case Reaction::kSelectedYears:
      SetYearBoxesEnabled(true);
      break;
    case Reaction::kDeleteLeavers:
      ReactToDeleteLeavers(control.checked);
      break;
    case Reaction::kUniquePasswords:
      EnableWithLabel(Field::kCommonPassword, !control.checked);
      Enable(At(Field::kPolicyPasswords), control.checked);
      break;
    case Reaction::kProfilePath:
      EnableWithLabel(Field::kProfilePath, control.checked);
      break;
    case Reaction::kHomeFolderOwner:
      if (control.checked && rt::Trim(At(Field::kNetbiosDomain).text).empty()) {
        dialogs_.ShowMessage(kNetBiosNameNeeded, kPleaseNoteTitle, rt::MessageIcon::kWarning);
        Flag(control, false);
      }
      break;
    case Reaction::kUpperCase:
      Text(control, rt::ToUpper1252(control.text));
      break;
    case Reaction::kCreate:
      // The run reads the DNS name without its surrounding blanks, and so does its field.
      Text(At(Field::kDomainDnsName), rt::Trim(At(Field::kDomainDnsName).text));
      if (on_create) on_create(Snapshot());
      break;
    case Reaction::kExit:
      Exit();
      break;
    case Reaction::kNone:
      break;
  }
}

void FormModel::ReactToSchoolType(const Control& option) {
  Options chosen;
  acctgen::SetFlag(chosen, option.row.field, true);
  const YearSpan years = YearsOf(*chosen.school_type);
  ClearYearBoxes();
  for (int year = years.first_year; year <= years.last_year; ++year) {
    Flag(At(YearField(year)), true);
  }
}

void FormModel::ReactToDeleteLeavers(bool ticked) {
  Control& all_years = At(Field::kAllYears);
  Control& selected_years = At(Field::kSelectedYears);
  if (!ticked) {
    Enable(all_years, true);
    Enable(selected_years, true);
    return;
  }
  // Leavers are found over every year, so the years are forced to "All Years" and locked.
  if (all_years.checked) {
    SetYearBoxesEnabled(false);
  } else {
    Flag(all_years, true);
  }
  Flag(selected_years, false);
  Enable(all_years, false);
  Enable(selected_years, false);
  for (const Control& control : controls_) {
    if (control.row.reaction == Reaction::kSchoolType && control.checked) {
      ReactToSchoolType(control);
      break;
    }
  }
}

void FormModel::SetYearBoxesEnabled(bool enabled) {
  for (int year = 0; year < kYearCount; ++year) Enable(At(YearField(year)), enabled);
}

void FormModel::ClearYearBoxes() {
  for (int year = 0; year < kYearCount; ++year) Flag(At(YearField(year)), false);
}

Options FormModel::Snapshot() const {
  Options options;
  for (const Control& control : controls_) {
    if (control.row.kind == ControlKind::kText)
      acctgen::SetText(options, control.row.field, control.text);
  }
  // Deselected options first, so that the selected one of each group is set last.
  for (const bool on : {false, true}) {
    for (const Control& control : controls_) {
      if ((control.row.kind == ControlKind::kOption || control.row.kind == ControlKind::kCheck) &&
          control.checked == on) {
        acctgen::SetFlag(options, control.row.field, on);
      }
    }
  }
  return options;
}

const std::vector<std::string>& FormModel::TabOrder() {
  static const std::vector<std::string> order = [] {
    std::vector<FormField> rows(FormFields().begin(), FormFields().end());
    std::erase_if(rows, [](const FormField& row) { return row.tab == 0; });
    std::sort(rows.begin(), rows.end(),
              [](const FormField& a, const FormField& b) { return a.tab < b.tab; });
    std::vector<std::string> names;
    names.reserve(rows.size());
    for (const FormField& row : rows) names.push_back(row.name);
    return names;
  }();
  return order;
}

}  // namespace acctgen::ui
