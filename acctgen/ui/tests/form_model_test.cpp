#include "acctgen/ui/form_model.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "acctgen/logic/form/settings_file.h"
#include "runtime/error.h"
#include "runtime/testing/fakes.h"
#include "runtime/testing/test_drives.h"

namespace acctgen::ui {
namespace {

const char* const kYears[] = {"Check5",  "Check6",  "Check7",  "Check8",  "Check9",
                              "Check10", "Check11", "Check12", "Check13", "Check14",
                              "Check15", "Check16", "Check17"};

class FormModelTest : public ::testing::Test {
 protected:
  // The ticked years as captions, "K" and "1" to "12".
  std::string TickedYears() const {
    std::string ticked;
    for (int year = 0; year <= 12; ++year) {
      if (!form.Get(kYears[year]).checked) continue;
      if (!ticked.empty()) ticked += ",";
      ticked += year == 0 ? "K" : std::to_string(year);
    }
    return ticked;
  }
  bool YearBoxesEnabled(bool enabled) const {
    for (const char* box : kYears) {
      if (form.Get(box).enabled != enabled) return false;
    }
    return true;
  }

  rt::testing::RecordingDialogs dialogs;
  FormModel form{dialogs};
};

TEST_F(FormModelTest, OpensInTheStartStates) {
  EXPECT_EQ(SettingsFileText(form.Snapshot()), SettingsFileText(FreshFormOptions()));
  EXPECT_TRUE(form.Get("Check21").checked);
  EXPECT_TRUE(form.Get("Check22").checked);
  EXPECT_EQ(TickedYears(), "7,8,9,10,11,12");
  EXPECT_TRUE(YearBoxesEnabled(false));
  EXPECT_FALSE(form.Get("Text6").enabled);
  EXPECT_FALSE(form.Get("Label15").enabled);
  EXPECT_TRUE(form.Get("Text8").enabled);
  EXPECT_TRUE(form.Get("Label20").enabled);
}

TEST_F(FormModelTest, TheTabOrderCoversEveryInputControlOnce) {
  std::set<std::string> seen;
  for (const std::string& name : FormModel::TabOrder()) {
    EXPECT_TRUE(seen.insert(name).second) << name;
    EXPECT_NO_THROW(form.Get(name)) << name;
  }
  for (const Control& control : form.controls()) {
    const ControlKind kind = control.row.kind;
    const bool tabbable = kind == ControlKind::kText || kind == ControlKind::kOption ||
                          kind == ControlKind::kCheck || kind == ControlKind::kButton;
    EXPECT_EQ(seen.count(control.row.name) == 1, tabbable) << control.row.name;
  }
}

TEST_F(FormModelTest, EveryControlLiesInsideTheForm) {
  for (const FormField& control : FormFields()) {
    const rt::TwipsRect& place = control.place;
    EXPECT_GE(place.left, 0) << control.name;
    EXPECT_GE(place.top, 0) << control.name;
    EXPECT_LE(place.left + place.width, FormModel::kWidth) << control.name;
    EXPECT_LE(place.top + place.height, FormModel::kHeight) << control.name;
  }
}

TEST_F(FormModelTest, OptionsOfAGroupExcludeOneAnother) {
  std::vector<std::string> changed;
  form.on_change = [&](const std::string& name) { changed.push_back(name); };
  form.Click("Option16");
  EXPECT_FALSE(form.Get("Option1").checked);
  EXPECT_TRUE(form.Get("Option16").checked);
  EXPECT_EQ(changed, (std::vector<std::string>{"Option1", "Option16"}));
  // Other groups are untouched.
  EXPECT_TRUE(form.Get("Option8").checked);
  EXPECT_TRUE(form.Get("Option13").checked);
  // Deselecting leaves the group without a selection.
  form.SetFlag("Option16", false);
  EXPECT_FALSE(form.Snapshot().login_format.has_value());
}

TEST_F(FormModelTest, ASchoolTypeReplacesTheYearTicksInEitherMode) {
  form.Click("Option12");
  EXPECT_TRUE(YearBoxesEnabled(true));
  form.Click("Check14");  // year 9 by hand
  form.Click("Check5");
  EXPECT_EQ(TickedYears(), "K,7,8,10,11,12");
  form.Click("Option4");
  EXPECT_EQ(TickedYears(), "K,1,2");
  EXPECT_TRUE(YearBoxesEnabled(true));
  form.Click("Option11");
  EXPECT_TRUE(YearBoxesEnabled(false));
  form.Click("Option6");
  EXPECT_EQ(TickedYears(), "K,1,2,3,4,5,6,7,8,9,10,11,12");
  form.Click("Option7");
  EXPECT_EQ(TickedYears(), "7,8,9,10");
  form.Click("Option5");
  EXPECT_EQ(TickedYears(), "K,1,2,3,4,5,6");
  // A disabled box ignores clicks.
  form.Click("Check12");
  EXPECT_FALSE(form.Get("Check12").checked);
}

TEST_F(FormModelTest, DeletingLeaversLocksAllYears) {
  form.Click("Option12");
  form.Click("Check14");
  form.Click("Check6");
  form.Click("Check18");
  EXPECT_TRUE(form.Get("Option11").checked);
  EXPECT_FALSE(form.Get("Option12").checked);
  EXPECT_FALSE(form.Get("Option11").enabled);
  EXPECT_FALSE(form.Get("Option12").enabled);
  EXPECT_TRUE(YearBoxesEnabled(false));
  EXPECT_EQ(TickedYears(), "7,8,9,10,11,12");

  form.Click("Check18");
  EXPECT_TRUE(form.Get("Option11").enabled);
  EXPECT_TRUE(form.Get("Option12").enabled);
  EXPECT_TRUE(form.Get("Option11").checked);
  EXPECT_TRUE(YearBoxesEnabled(false));
  EXPECT_EQ(TickedYears(), "7,8,9,10,11,12");
}

TEST_F(FormModelTest, DeletingLeaversWithoutASchoolTypeKeepsTheTicks) {
  form.Click("Option12");
  form.Click("Check6");
  form.SetFlag("Option8", false);
  form.SetFlag("Check18", true);
  EXPECT_EQ(TickedYears(), "1,7,8,9,10,11,12");
  EXPECT_TRUE(YearBoxesEnabled(false));
}

TEST_F(FormModelTest, TheOwnerBoxNeedsANetBiosName) {
  form.SetText("Text9", "   ");
  form.Click("Check20");
  EXPECT_FALSE(form.Get("Check20").checked);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0],
            (rt::testing::ShownMessage{
                "You MUST provide the NetBIOS Domain Name before you can select this option.",
                "Please Note", rt::MessageIcon::kWarning}));

  form.SetText("Text9", "HILLCREST");
  form.Click("Check20");
  EXPECT_TRUE(form.Get("Check20").checked);
  EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST_F(FormModelTest, DriveLettersAreUpperCase) {
  form.SetText("Text7", "d");
  form.SetText("Text5", "\xE9");  // é
  EXPECT_EQ(form.Get("Text7").text, "D");
  EXPECT_EQ(form.Get("Text5").text, "\xC9");
  form.SetText("Text3", "s_home");
  EXPECT_EQ(form.Get("Text3").text, "s_home");
}

TEST_F(FormModelTest, PasswordAndProfileBoxesFreeTheirFields) {
  EXPECT_TRUE(form.Get("Check21").enabled);
  form.Click("Check4");
  EXPECT_TRUE(form.Get("Text6").enabled);
  EXPECT_TRUE(form.Get("Label15").enabled);
  EXPECT_FALSE(form.Get("Check21").enabled);
  form.Click("Check4");
  EXPECT_FALSE(form.Get("Text6").enabled);
  EXPECT_FALSE(form.Get("Label15").enabled);
  EXPECT_TRUE(form.Get("Check21").enabled);
  form.Click("Check19");
  EXPECT_FALSE(form.Get("Text8").enabled);
  EXPECT_FALSE(form.Get("Label20").enabled);
  form.Click("Check19");
  EXPECT_TRUE(form.Get("Text8").enabled);
  EXPECT_TRUE(form.Get("Label20").enabled);
}

TEST_F(FormModelTest, TheButtonsCallTheirHooksAndCreateTrimsTheDnsName) {
  std::vector<Options> created;
  int exits = 0;
  form.on_create = [&](const Options& options) { created.push_back(options); };
  form.on_exit = [&] { ++exits; };
  form.SetText("Text1", "  hillcrest.school.example ");
  form.Click("Command1");
  ASSERT_EQ(created.size(), 1u);
  EXPECT_EQ(created[0].domain_dns_name, "hillcrest.school.example");
  EXPECT_EQ(form.Get("Text1").text, "hillcrest.school.example");
  EXPECT_EQ(created[0].common_password, "LANTERNS");
  EXPECT_TRUE(created[0].years[12]);
  form.Click("Command2");
  EXPECT_EQ(exits, 1);
}

// The settings file carries every control, and restoring runs the reactions.
class FormSettingsTest : public FormModelTest {
 protected:
  void SaveAndRestore(const FormModel& saved, FormModel& restored) {
    rt::Files files(drives.file_system());
    SaveSettings(files, saved.Snapshot());
    const rt::FileNumber file = files.OpenInput(kSettingsPath);
    RestoreSettings(files, file, restored);
    files.Close(file);
    drives.RemoveHostFile("C:\\trellis.ini");
  }
  void ExpectSameState(const FormModel& a, const FormModel& b) {
    ASSERT_EQ(a.controls().size(), b.controls().size());
    for (std::size_t i = 0; i < a.controls().size(); ++i) {
      const Control& x = a.controls()[i];
      const Control& y = b.controls()[i];
      EXPECT_EQ(x.text, y.text) << x.row.name;
      EXPECT_EQ(x.checked, y.checked) << x.row.name;
      EXPECT_EQ(x.enabled, y.enabled) << x.row.name;
    }
  }

  rt::testing::TestDrives drives;
};

TEST_F(FormSettingsTest, EveryControlSurvivesTheRoundTrip) {
  const char* texts[][2] = {{"Text1", "hillcrest.school.example"},
                            {"Text2", "HCSERVER1"},
                            {"Text3", "s_home"},
                            {"Text4", "Students.bat"},
                            {"Text5", "h"},
                            {"Text7", "d"},
                            {"Text8", "\\\\HCSERVER1\\profiles"},
                            {"Text9", "HILLCREST"}};
  for (auto& [name, text] : texts) form.SetText(name, text);
  for (const char* click :
       {"Option16", "Option5", "Option12", "Check14", "Check5", "Check1", "Option9", "Check21",
        "Check4", "Option14", "Check19", "Check20", "Check22"}) {
    form.Click(click);
  }
  form.SetText("Text6", "kiwi99");
  ASSERT_TRUE(form.Get("Check20").checked);

  rt::testing::RecordingDialogs other_dialogs;
  FormModel restored(other_dialogs);
  SaveAndRestore(form, restored);
  ExpectSameState(form, restored);
  EXPECT_TRUE(other_dialogs.messages.empty());
  EXPECT_EQ(restored.Get("Text5").text, "H");

  // With the leavers box ticked the years are locked after restoring too.
  form.Click("Check18");
  FormModel locked(other_dialogs);
  SaveAndRestore(form, locked);
  ExpectSameState(form, locked);
  EXPECT_FALSE(locked.Get("Option12").enabled);
}

TEST_F(FormSettingsTest, GroupsWithNoOptionSelectedAreWrittenBackAsRead) {
  const std::string hand_made =
      "a.b,,,,,0,0,,0,0,0,1,1,1,0,0,0,0,0,0,0,0,1,0,0,0,0,0,0,0,0,0,0,0,1,1,1,0,0,,x,0,\r\n"
      "0,0,0,0,";
  drives.WriteHostFile("C:\\trellis.ini", hand_made);
  rt::Files files(drives.file_system());
  const rt::FileNumber file = files.OpenInput(kSettingsPath);
  RestoreSettings(files, file, form);
  files.Close(file);
  drives.RemoveHostFile("C:\\trellis.ini");
  EXPECT_EQ(SettingsFileText(form.Snapshot()), hand_made);
}

TEST_F(FormSettingsTest,
       AFileEndingAfterField22LeavesTheLaterControlsAtTheirStartButTheNewOnesOff) {
  Options values;
  values.domain_dns_name = "hillcrest.school.example";
  values.login_format = school::LoginFormat::kSurnameInitial;
  values.delete_leavers = true;
  values.school_type = SchoolType::kK12;
  values.years[0] = values.years[1] = true;  // not reached
  values.unique_passwords = false;           // not reached
  std::string text = SettingsFileText(values);
  std::size_t cut = 0;
  for (int commas = 0; commas < 22; ++commas) cut = text.find(',', cut) + 1;
  drives.WriteHostFile("C:\\trellis.ini", text.substr(0, cut));
  rt::Files files(drives.file_system());
  const rt::FileNumber file = files.OpenInput(kSettingsPath);
  EXPECT_THROW(RestoreSettings(files, file, form), rt::RuntimeError);
  files.Close(file);
  drives.RemoveHostFile("C:\\trellis.ini");

  EXPECT_EQ(form.Get("Text1").text, "hillcrest.school.example");
  EXPECT_TRUE(form.Get("Option3").checked);
  EXPECT_TRUE(form.Get("Check18").checked);
  EXPECT_TRUE(form.Get("Option6").checked);
  EXPECT_TRUE(form.Get("Option11").checked);
  EXPECT_FALSE(form.Get("Option11").enabled);
  // The school type's reaction ticked K to 12; the file's own year ticks were never read.
  EXPECT_EQ(TickedYears(), "K,1,2,3,4,5,6,7,8,9,10,11,12");
  EXPECT_TRUE(form.Get("Check4").checked);
  EXPECT_FALSE(form.Get("Text6").enabled);
  // A file that ends early was written before the password-policy and tools options.
  EXPECT_FALSE(form.Get("Check21").checked);
  EXPECT_FALSE(form.Get("Check22").checked);
}

}  // namespace
}  // namespace acctgen::ui
