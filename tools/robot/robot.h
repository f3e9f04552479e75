#pragma once
// Drives the real programs under Wine as a person would: find a window by its title, read its
// controls, click buttons by caption, type into edit boxes, read and answer message boxes and
// input boxes. Used by the end-to-end tests (Windows test programs) and by the robot console
// program (robot.exe) that the demo calls. Windows only.

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace robot {

struct Control {
  HWND handle;
  std::string class_name;  // "Button", "Edit", "Static", ...
  std::string caption;     // the window text, access-key ampersands kept
  std::string kind;        // "button", "option", "check", "frame", "edit", "label", "other"
  bool enabled;
  bool visible;
  bool checked;  // options and check boxes
  int id;
  RECT rect;  // in the client coordinates of the top-level window
};

struct MessageBoxSeen {
  std::string title;
  std::string icon;  // "none", "critical", "warning", "information"
  std::string text;
  std::vector<std::string> buttons;  // the visible buttons' captions, access keys dropped
  std::string default_button;        // the caption of the one Enter presses
};

// A program started by the robot; it is never waited for unless asked.
class Process {
 public:
  Process() = default;
  ~Process();
  Process(Process&& other) noexcept;
  Process& operator=(Process&& other) noexcept;
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;

  // Starts command_line in working_folder (empty: the robot's own).
  static Process Start(const std::string& command_line, const std::string& working_folder = "");
  DWORD id() const { return id_; }
  bool Running() const;
  // Waits for the end; returns the exit code, or nothing when it is still running after timeout.
  std::optional<DWORD> WaitForExit(DWORD timeout_ms);
  void Kill();

 private:
  HANDLE handle_ = nullptr;
  DWORD id_ = 0;
};

// The first visible top-level window with this exact title (of any process when process_id is
// 0), waiting up to timeout_ms; nullptr when none appeared.
HWND WaitForWindow(std::string_view title, DWORD timeout_ms, DWORD process_id = 0);
// Every visible top-level window's title, for diagnostics.
std::vector<std::string> TopLevelTitles(DWORD process_id = 0);

// Every child control of window in creation (tab) order.
std::vector<Control> ListControls(HWND window);
// The control whose caption equals caption, ignoring the access-key ampersand ("Create!" finds
// "&Create!"); nullopt when none.
std::optional<Control> FindControl(HWND window, std::string_view caption);

// Clicks a button, option or check box by caption, as the mouse would (BM_CLICK). False when
// no such control exists or it is disabled.
bool Click(HWND window, std::string_view caption);
// Sets the text of an edit box: the one that follows the label with this caption in creation
// order, as a person reads a form.
bool TypeIntoField(HWND window, std::string_view label, std::string_view text);
// Sets the text of the index-th edit box (counting from 0 in creation order).
bool TypeIntoEdit(HWND window, int index, std::string_view text);
std::string ReadField(HWND window, std::string_view label);

// The control that has the keyboard focus in window's thread.
HWND FocusedControl(HWND window);
// Presses Tab in window (moves the focus to the next control of the tab order).
void PressTab(HWND window);
// Presses Alt+letter in window: the control whose caption has "&letter" acts (a button is
// clicked, a label gives the focus to the control after it).
void PressAccessKey(HWND window, char letter);
// The tool tip text registered for a control; empty when there is none.
std::string ToolTipOf(HWND window, HWND control);

// Waits for a message box (of process_id, when not 0); returns its title, icon and text.
std::optional<MessageBoxSeen> WaitForMessageBox(DWORD timeout_ms, DWORD process_id = 0);
// Waits for a message box, then presses its OK button, or the button with this caption (access
// keys ignored: "Yes" presses "&Yes"). Nothing when no box, or no such button, appeared.
std::optional<MessageBoxSeen> AnswerMessageBox(DWORD timeout_ms, DWORD process_id = 0,
                                               std::string_view button = {});

struct TimedClick {
  double seconds;  // from posting the click to the box being visible
  MessageBoxSeen box;
};
// Posts a click on the button with this caption and times, with a performance counter, how long
// window's program takes to show a message box. The box stays open. Nothing when the button is
// missing or disabled, or no box showed within timeout_ms.
std::optional<TimedClick> TimeClickToMessageBox(HWND window, std::string_view caption,
                                                DWORD timeout_ms);

struct InputBoxSeen {
  std::string title;
  std::string prompt;
  std::string default_answer;
  RECT rect;  // screen coordinates
};
// Waits for an input box with this title, types answer and presses the button captioned "OK"
// (nullopt: the one captioned "Cancel"); nullopt when no such box or button appeared.
std::optional<InputBoxSeen> AnswerInputBox(std::string_view title,
                                           std::optional<std::string> answer, DWORD timeout_ms,
                                           DWORD process_id = 0);

}  // namespace robot
