#include "acctgen/logic/form_fields.h"

namespace acctgen {

namespace {
constexpr FormField Text(const char* control, std::string FormValues::*member) {
  return {control, member, nullptr};
}
constexpr FormField Flag(const char* control, bool FormValues::*member) {
  return {control, nullptr, member};
}

const std::array<FormField, kFormFieldCount> kFields = {{
    Text("Text1", &FormValues::Text1),       Text("Text2", &FormValues::Text2),
    Text("Text7", &FormValues::Text7),       Text("Text3", &FormValues::Text3),
    Text("Text5", &FormValues::Text5),       Flag("Option9", &FormValues::Option9),
    Flag("Option10", &FormValues::Option10), Text("Text4", &FormValues::Text4),
    Flag("Option1", &FormValues::Option1),   Flag("Option2", &FormValues::Option2),
    Flag("Option3", &FormValues::Option3),   Flag("Check1", &FormValues::Check1),
    Flag("Check2", &FormValues::Check2),     Flag("Check3", &FormValues::Check3),
    Flag("Check18", &FormValues::Check18),   Flag("Option4", &FormValues::Option4),
    Flag("Option5", &FormValues::Option5),   Flag("Option6", &FormValues::Option6),
    Flag("Option7", &FormValues::Option7),   Flag("Option8", &FormValues::Option8),
    Flag("Option11", &FormValues::Option11), Flag("Option12", &FormValues::Option12),
    Flag("Check5", &FormValues::Check5),     Flag("Check6", &FormValues::Check6),
    Flag("Check7", &FormValues::Check7),     Flag("Check8", &FormValues::Check8),
    Flag("Check9", &FormValues::Check9),     Flag("Check10", &FormValues::Check10),
    Flag("Check11", &FormValues::Check11),   Flag("Check12", &FormValues::Check12),
    Flag("Check13", &FormValues::Check13),   Flag("Check14", &FormValues::Check14),
    Flag("Check15", &FormValues::Check15),   Flag("Check16", &FormValues::Check16),
    Flag("Check17", &FormValues::Check17),   Flag("Check4", &FormValues::Check4),
    Flag("Check19", &FormValues::Check19),   Flag("Option13", &FormValues::Option13),
    Flag("Option14", &FormValues::Option14), Text("Text8", &FormValues::Text8),
    Text("Text6", &FormValues::Text6),       Flag("Check20", &FormValues::Check20),
    Text("Text9", &FormValues::Text9),       Flag("Option15", &FormValues::Option15),
    Flag("Option16", &FormValues::Option16),
}};
}  // namespace

const std::array<FormField, kFormFieldCount>& FormFields() { return kFields; }

const FormField* FindFormField(std::string_view control) {
  for (const FormField& field : kFields) {
    if (control == field.control) return &field;
  }
  return nullptr;
}

}  // namespace acctgen
