// The real wizard.exe under Wine, driven by the robot: its window, each step's boxes and
// command lines, the probes' edge cases and the default failure path.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "wizard/logic/wizard_steps.h"
#include "wizard/tests/e2e/wizard_test_support.h"
#include "wizard/win32/resource_ids.h"
#include "wizard/win32/wizard_layout.h"

namespace wizard::testing {
namespace {

class WizardWindowTest : public WizardProgramTest {};

TEST_F(WizardWindowTest, WindowHasItsSizeButtonsTabOrderAndToolTips) {
  HWND window = StartWizard();
  ASSERT_NE(window, nullptr);
  RECT client{};
  GetClientRect(window, &client);
  EXPECT_EQ(client.right - client.left, 399);  // 5985 twips at 96 DPI
  EXPECT_EQ(client.bottom - client.top, 271);  // 4065 twips
  // Wine answers no other process's question for a window's icon, so look into the program
  // file for the icon and the background picture the window loads.
  if (HMODULE image =
          LoadLibraryExA(TreeProgram("wizard.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)) {
    EXPECT_NE(FindResourceA(image, MAKEINTRESOURCEA(IDI_WIZARD), RT_GROUP_ICON), nullptr);
    EXPECT_NE(FindResourceA(image, MAKEINTRESOURCEA(IDB_BACKGROUND), RT_BITMAP), nullptr);
    FreeLibrary(image);
  } else {
    ADD_FAILURE() << "wizard.exe cannot be read";
  }

  const std::vector<robot::Control> controls = robot::ListControls(window);
  ASSERT_EQ(controls.size(), kButtons.size());
  for (std::size_t i = 0; i < kButtons.size(); ++i) {
    const ButtonSpec& spec = kButtons[i];
    const robot::Control& control = controls[i];
    SCOPED_TRACE(spec.caption);
    EXPECT_EQ(control.caption, spec.caption);
    EXPECT_EQ(control.kind, "button");
    EXPECT_TRUE(control.enabled);
    EXPECT_EQ(control.rect.left, spec.rect.left / 15);
    EXPECT_EQ(control.rect.top, spec.rect.top / 15);
    EXPECT_EQ(control.rect.right - control.rect.left, spec.rect.width / 15);
    EXPECT_EQ(control.rect.bottom - control.rect.top, spec.rect.height / 15);
    EXPECT_EQ(robot::ToolTipOf(window, control.handle), spec.tool_tip);
  }
  EXPECT_EQ(controls[6].caption, "E&xit");
  EXPECT_EQ(robot::ToolTipOf(window, controls[1].handle),
            "Step 2: Run the Trellis Student Account Generator 1.0.0...");

  // The focus starts on Step 1 and Tab walks the buttons in order, round to the start.
  EXPECT_EQ(robot::FocusedControl(window), controls[0].handle);
  for (std::size_t i = 1; i <= controls.size(); ++i) {
    robot::PressTab(window);
    EXPECT_EQ(robot::FocusedControl(window), controls[i % controls.size()].handle) << i;
  }

  EXPECT_TRUE(robot::Click(window, "Exit"));
  EXPECT_TRUE(program.WaitForExit(kWait).has_value());
}

TEST_F(WizardWindowTest, CancelledServerNameWritesAndStartsNothing) {
  InstallCsvdeStub();
  drives.WriteHostFile("C:\\exportad.csv", "earlier export\r\n");
  HWND window = StartWizard();
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(robot::Click(window, "Step 1"));
  const auto box = robot::AnswerInputBox("Server Name?", std::nullopt, kWait, program.id());
  ASSERT_TRUE(box.has_value());
  EXPECT_EQ(box->prompt, "Please enter the name of your Server - eg. SERVER1");
  EXPECT_EQ(box->default_answer, "SERVER1");
  EXPECT_EQ(box->rect.left, 400);  // 6000 twips
  EXPECT_EQ(box->rect.top, 100);   // 1500 twips

  // An empty answer is Cancel too.
  ASSERT_TRUE(robot::Click(window, "Step 1"));
  ASSERT_TRUE(robot::AnswerInputBox("Server Name?", "", kWait, program.id()).has_value());

  EXPECT_TRUE(robot::Click(window, "Exit"));
  EXPECT_TRUE(program.WaitForExit(kWait).has_value());
  EXPECT_EQ(drives.ReadHostFile("C:\\exportad.csv"), "earlier export\r\n");
  EXPECT_EQ(StubLog(), "");
}

TEST_F(WizardWindowTest, ServerNameWritesThePlaceholderThenStartsTheExport) {
  InstallCsvdeStub();
  drives.WriteHostFile("A:\\koru.txt", "How to export the student list from KORU.\r\n");
  HWND window = StartWizard();
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(robot::Click(window, "Step 1"));
  ASSERT_TRUE(robot::AnswerInputBox("Server Name?", "HCSERVER1", kWait, program.id()));
  ASSERT_TRUE(WaitForLog("found: "));
  // The stub writes the fake directory's export over the placeholder.
  ASSERT_TRUE(WaitForFileText("C:\\exportad.csv", "old.leaver"));
  const std::string log = StubLog();
  // The export and the instructions document start side by side, so their log lines may come in
  // either order; the export's command line must stand whole on a line of its own.
  const std::string export_line =
      "a:\\csvde -f c:\\exportad.csv -s HCSERVER1 -c CN=  , -r "
      "\"(&(objectCategory=person)(objectClass=user))\" -l "
      "sn,givenName,sAMAccountName,description,userAccountControl,homeDirectory\r\n";
  EXPECT_TRUE(log.rfind(export_line, 0) == 0 || log.find("\n" + export_line) != std::string::npos)
      << log;
  // The stub saw the placeholder when it started, then wrote its export over it.
  EXPECT_NE(log.find("found: Fred,Fred,Fred,Fred\r\n"), std::string::npos) << log;
  EXPECT_EQ(drives.ReadHostFile("C:\\exportad.csv").substr(0, 43),
            "DN,givenName,sAMAccountName,sn,description\r");
  CloseWindowsTitled("koru");

  EXPECT_TRUE(robot::Click(window, "Exit"));
  EXPECT_TRUE(program.WaitForExit(kWait).has_value());
}

TEST_F(WizardWindowTest, AccountRowsAreProbedThenOpenedWithTheOpenWithDialog) {
  HWND window = StartWizard();
  ASSERT_NE(window, nullptr);
  const std::string refusal =
      "There doesn't appear to be a valid ADDUSERS.CSV file on the diskette.  Did you run Step 2 "
      "successfully?";
  // Missing: created empty and refused, and refused again.
  for (int press = 0; press < 2; ++press) {
    ASSERT_TRUE(robot::Click(window, "Step 3"));
    ExpectBox("Sorry", "warning", refusal);
  }
  EXPECT_TRUE(drives.HostFileExists("c:\\addusers.csv"));
  EXPECT_EQ(drives.ReadHostFile("c:\\addusers.csv"), "");

  drives.WriteHostFile("c:\\addusers.csv", std::string(99, 'x'));
  ASSERT_TRUE(robot::Click(window, "Step 3"));
  ExpectBox("Sorry", "warning", refusal);

  drives.WriteHostFile("c:\\addusers.csv", std::string(100, 'x'));
  ASSERT_TRUE(robot::Click(window, "Step 3"));
  ExpectBox("Please Note", "information", ExcelNoteText());
  // Nothing is associated with .csv here: the Open With dialog's command line is started.
  EXPECT_TRUE(WaitForLog("OpenAs_RunDLL")) << StubLog();
  EXPECT_EQ(StubLog(), "rundll32.exe shell32.dll,OpenAs_RunDLL c:\\addusers.csv\r\n");
  EXPECT_EQ(drives.ReadHostFile("c:\\addusers.csv"), std::string(100, 'x'));

  EXPECT_TRUE(robot::Click(window, "Exit"));
  EXPECT_TRUE(program.WaitForExit(kWait).has_value());
}

TEST_F(WizardWindowTest, BatchStepsProbeTheirFilesThenStartTheBatch) {
  HWND window = StartWizard();
  ASSERT_NE(window, nullptr);
  for (Step step : {Step::k4, Step::k5, Step::k6}) {
    const BatchStep& batch = BatchStepOf(step, false);
    const std::string caption = "Step " + std::to_string(static_cast<int>(step));
    SCOPED_TRACE(caption);
    drives.RemoveHostFile(batch.probed_file);
    ASSERT_TRUE(robot::Click(window, caption));
    ExpectBox("Sorry", "warning", batch.refusal);
    EXPECT_EQ(drives.ReadHostFile(batch.probed_file), "");

    // A batch file that logs through a stub, padded to 99 bytes and then to 100.
    std::string script = "@cscript " + caption.substr(5) + " ran\r\n";
    const std::string batch_file(batch.batch_file);
    if (step != Step::k4) {
      drives.WriteHostFile(batch_file, script + std::string(99 - script.size(), ' '));
      ASSERT_TRUE(robot::Click(window, caption));
      ExpectBox("Sorry", "warning", batch.refusal);
      script += std::string(100 - script.size(), ' ');
    } else {
      drives.WriteHostFile("c:\\addusers.xls", std::string(99, 'w'));
      ASSERT_TRUE(robot::Click(window, caption));
      ExpectBox("Sorry", "warning", batch.refusal);
      drives.WriteHostFile("c:\\addusers.xls", std::string(100, 'w'));
    }
    drives.WriteHostFile(batch_file, script);
    ASSERT_TRUE(robot::Click(window, caption));
    ExpectBox("Please Note", "information", batch.note);
    EXPECT_TRUE(WaitForLog(caption.substr(5) + " ran")) << StubLog();
  }
  EXPECT_TRUE(robot::Click(window, "Exit"));
  EXPECT_TRUE(program.WaitForExit(kWait).has_value());
}

TEST_F(WizardWindowTest, TodaysToolsSkipStep3AndStep4ImportsTheLdifFile) {
  // The generator's saved form with field 47, today's tools, ticked.
  std::string settings;
  for (int field = 1; field <= 42; ++field) settings += "0,";
  drives.WriteHostFile("C:\\trellis.ini", settings + "HILLCREST\r\n0,0,0,1,\r\n");
  HWND window = StartWizard();
  ASSERT_NE(window, nullptr);
  const std::vector<robot::Control> controls = robot::ListControls(window);
  ASSERT_EQ(controls.size(), kButtons.size());
  for (std::size_t i = 0; i < kButtons.size(); ++i) {
    EXPECT_EQ(robot::ToolTipOf(window, controls[i].handle), ToolTipOf(kButtons[i], true));
  }
  ASSERT_TRUE(robot::Click(window, "Step 3"));
  ExpectBox("Please Note", "information", kNoWorkbookNeededNote);
  EXPECT_FALSE(drives.HostFileExists("c:\\addusers.csv"));

  drives.WriteHostFile("c:\\addusers.xls", std::string(100, 'w'));
  ASSERT_TRUE(robot::Click(window, "Step 4"));
  ExpectBox("Sorry", "warning", BatchStepOf(Step::k4, true).refusal);
  drives.WriteHostFile("c:\\addusers.ldf", std::string(100, 'l'));
  drives.WriteHostFile("A:\\STEP4.BAT", "@cscript ldifde ran\r\n");
  ASSERT_TRUE(robot::Click(window, "Step 4"));
  // Nothing in this file adds or removes an account.
  ExpectBox("Please Note", "information",
            LdifImportNote(BatchStepOf(Step::k4, true).note, AccountChanges{}).text);
  EXPECT_TRUE(WaitForLog("ldifde ran")) << StubLog();
  EXPECT_TRUE(robot::Click(window, "Exit"));
  EXPECT_TRUE(program.WaitForExit(kWait).has_value());
}

// The generator's saved form, with today's tools ticked or not.
std::string SavedSettings(bool todays_tools) {
  std::string settings;
  for (int field = 1; field <= 42; ++field) settings += "0,";
  return settings + "HILLCREST\r\n0,0,0," + (todays_tools ? "1" : "0") + ",\r\n";
}

TEST_F(WizardWindowTest, LeaversConfirmationNoRunsNothingYesRunsTheBatch) {
  // Hand-written files as the generator writes them: with today's tools step 4's import
  // disables, moves and deletes leavers; with the classic tools step 5 deletes them.
  for (const auto& [data, path] : {std::pair{"leavers.ldf", "c:\\addusers.ldf"},
                                   std::pair{"step5_leavers.bat", "A:\\step5.bat"}}) {
    EXPECT_TRUE(CopyFileA(TestData(data).c_str(), drives.HostPath(path).c_str(), FALSE)) << data;
  }
  drives.WriteHostFile("A:\\STEP4.BAT", "@cscript ldifde ran\r\n");
  HWND window = StartWizard();
  ASSERT_NE(window, nullptr);
  struct Press {
    const char* step;
    bool todays_tools;
    BatchNote note;
  };
  const Press step4{"Step 4", true,
                    LdifImportNote(BatchStepOf(Step::k4, true).note,
                                   {.added = 4, .disabled = 3, .deleted = 2, .returning = 1})};
  const Press step5{"Step 5", false, AccountDeletesNote(BatchStepOf(Step::k5, false).note, 4)};
  auto answer = [&](const Press& press, const char* button) {
    SCOPED_TRACE(std::string(press.step) + " " + button);
    drives.WriteHostFile("C:\\trellis.ini", SavedSettings(press.todays_tools));
    ASSERT_TRUE(robot::Click(window, press.step));
    const auto box = robot::AnswerMessageBox(kWait, program.id(), button);
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->title, "Please Note");
    EXPECT_EQ(box->icon, "warning");
    EXPECT_EQ(box->text, press.note.text);
    EXPECT_EQ(box->buttons, (std::vector<std::string>{"Yes", "No"}));
    EXPECT_EQ(box->default_button, "No");
  };

  answer(step4, "No");
  answer(step5, "No");
  // A batch file started by mistake would have logged by now.
  Sleep(2000);
  EXPECT_EQ(StubLog(), "");

  answer(step4, "Yes");
  EXPECT_TRUE(WaitForLog("ldifde ran")) << StubLog();
  answer(step5, "Yes");
  // The real interpreter runs the deletes the box counted, and only those.
  EXPECT_TRUE(WaitForLog("at.sign")) << StubLog();
  Sleep(500);
  const std::string log = StubLog();
  auto count = [&log](std::string_view text) {
    int found = 0;
    for (auto at = log.find(text); at != std::string::npos; at = log.find(text, at + 1)) ++found;
    return found;
  };
  EXPECT_EQ(count("ldifde ran"), 1) << log;
  EXPECT_EQ(count("step5 ran"), 1) << log;
  EXPECT_EQ(count("/delete "), 4) << log;

  EXPECT_TRUE(robot::Click(window, "Exit"));
  EXPECT_TRUE(program.WaitForExit(kWait).has_value());
}

TEST_F(WizardWindowTest, AMissingProgramEndsTheWizardAfterTheFailureReport) {
  HWND window = StartWizard();
  ASSERT_NE(window, nullptr);
  // The workbook is there but the batch file it would start is not.
  drives.WriteHostFile("c:\\addusers.xls", std::string(200, 'w'));
  ASSERT_TRUE(robot::Click(window, "Step 4"));
  ExpectBox("Please Note", "information", BatchStepOf(Step::k4, false).note);
  ExpectBox(kWindowTitle, "critical", "Run-time error '53':\r\n\r\nFile not found");
  const auto code = program.WaitForExit(kWait);
  ASSERT_TRUE(code.has_value());
  EXPECT_NE(*code, 0u);

  // Step 2 with no generator on the disk.
  window = StartWizard();
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(robot::Click(window, "Step 2"));
  ExpectBox(kWindowTitle, "critical", "Run-time error '53':\r\n\r\nFile not found");
  EXPECT_TRUE(program.WaitForExit(kWait).has_value());
}

TEST_F(WizardWindowTest, ClosingTheWindowEndsTheProgram) {
  HWND window = StartWizard();
  ASSERT_NE(window, nullptr);
  PostMessageA(window, WM_CLOSE, 0, 0);
  const auto code = program.WaitForExit(kWait);
  ASSERT_TRUE(code.has_value());
  EXPECT_EQ(*code, 0u);
}

}  // namespace
}  // namespace wizard::testing
