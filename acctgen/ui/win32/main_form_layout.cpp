#include "acctgen/ui/win32/main_form_layout.h"

#include <string>

namespace acctgen::ui {

namespace {

struct Entry {
  const char* name;
  Placement place;
};

// Rows of the domain and home-folder fields: caption label, text box, grey example.
constexpr int kFieldRow = 28;
constexpr Placement Caption(int row) { return {10, 14 + row * kFieldRow, 210, 18}; }
constexpr Placement Field(int row, int width = 150) {
  return {225, 12 + row * kFieldRow, width, 21};
}
constexpr Placement Example(int row) { return {385, 14 + row * kFieldRow, 170, 18}; }

// The login formats: option and example.
constexpr Placement Login(int row) { return {580, 32 + row * 26, 160, 20}; }
constexpr Placement LoginExample(int row) { return {745, 34 + row * 26, 135, 18}; }

constexpr Placement SchoolType(int row) { return {25, 228 + row * 22, 120, 20}; }
constexpr Placement Year(int year) {
  return year <= 6 ? Placement{185 + year * 55, 262, 50, 20}
                   : Placement{185 + (year - 7) * 55, 292, 50, 20};
}

const Entry kEntries[] = {
    {"Label2", Caption(0)},
    {"Text1", Field(0)},
    {"Label21", Example(0)},
    {"Label1", Caption(1)},
    {"Text9", Field(1)},
    {"Label12", Example(1)},
    {"Label3", Caption(2)},
    {"Text2", Field(2)},
    {"Label4", Example(2)},
    {"Label5", Caption(3)},
    {"Text3", Field(3)},
    {"Label6", Example(3)},
    {"Label17", Caption(4)},
    {"Text7", Field(4, 30)},
    {"Label18", Example(4)},
    {"Label9", Caption(5)},
    {"Text5", Field(5, 30)},
    {"Label10", Example(5)},
    {"Label8", Caption(6)},
    {"Text4", Field(6)},
    {"Label7", Example(6)},

    {"Frame1", {565, 8, 325, 160}},
    {"Option1", Login(0)},
    {"Label11", LoginExample(0)},
    {"Option2", Login(1)},
    {"Label13", LoginExample(1)},
    {"Option3", Login(2)},
    {"Label14", LoginExample(2)},
    {"Option15", Login(3)},
    {"Label22", LoginExample(3)},
    {"Option16", Login(4)},
    {"Label23", LoginExample(4)},

    {"Frame2", {10, 205, 150, 135}},
    {"Option4", SchoolType(0)},
    {"Option5", SchoolType(1)},
    {"Option6", SchoolType(2)},
    {"Option7", SchoolType(3)},
    {"Option8", SchoolType(4)},

    {"Frame3", {170, 205, 420, 135}},
    {"Option11", {185, 228, 110, 20}},
    {"Option12", {300, 228, 130, 20}},
    {"Check5", Year(0)},
    {"Check6", Year(1)},
    {"Check7", Year(2)},
    {"Check8", Year(3)},
    {"Check9", Year(4)},
    {"Check10", Year(5)},
    {"Check11", Year(6)},
    {"Check12", Year(7)},
    {"Check13", Year(8)},
    {"Check14", Year(9)},
    {"Check15", Year(10)},
    {"Check16", Year(11)},
    {"Check17", Year(12)},

    {"Frame5", {600, 205, 290, 60}},
    {"Option9", {615, 230, 90, 20}},
    {"Option10", {715, 230, 100, 20}},

    {"Frame4", {10, 350, 420, 100}},
    {"Check1", {25, 372, 390, 20}},
    {"Check2", {25, 396, 390, 20}},
    {"Check3", {25, 420, 390, 20}},

    {"Frame6", {440, 350, 450, 100}},
    {"Check4", {455, 372, 430, 20}},
    {"Label15", {455, 399, 105, 18}},
    {"Text6", {565, 396, 130, 21}},
    {"Option13", {455, 422, 140, 20}},
    {"Option14", {600, 422, 150, 20}},

    {"Frame7", {10, 460, 420, 78}},
    {"Check19", {25, 482, 250, 20}},
    {"Label20", {25, 509, 70, 18}},
    {"Text8", {100, 506, 315, 21}},

    {"Label19", {440, 462, 200, 18}},
    {"Check18", {440, 480, 450, 20}},
    {"Check20", {440, 508, 450, 20}},

    {"Command1", {600, 548, 135, 32}},
    {"Command2", {750, 548, 135, 32}},
};

}  // namespace

bool PlaceOf(std::string_view name, Placement& placement) {
  for (const Entry& entry : kEntries) {
    if (name == entry.name) {
      placement = entry.place;
      return true;
    }
  }
  return false;
}

}  // namespace acctgen::ui
