// robot.exe: the robot for scripts and the demo. Each command waits for what it needs (a
// window, a box) and exits with 1 when it does not appear, with 2 on a wrong command line.
//
//   robot.exe wait-window TITLE [SECONDS]
//   robot.exe list TITLE                 one line a control: class, kind, caption, state and
//                                        rectangle (left top right bottom, client pixels)
//   robot.exe click TITLE CAPTION
//   robot.exe time-click TITLE CAPTION [SECONDS]
//                                        posts the click, prints the seconds until a message
//                                        box shows and the box, presses OK
//   robot.exe type TITLE LABEL TEXT      into the edit box after the label
//   robot.exe read TITLE LABEL           prints the text of the edit box after the label
//   robot.exe message [SECONDS [BUTTON]] prints the box's title, icon, text and buttons (the
//                                        default marked *), presses OK or the BUTTON
//   robot.exe input TITLE ANSWER|--cancel [SECONDS]

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tools/robot/robot.h"

namespace {

constexpr DWORD kDefaultSeconds = 20;

DWORD Seconds(const std::vector<std::string>& args, std::size_t at) {
  if (args.size() <= at) return kDefaultSeconds * 1000;
  return static_cast<DWORD>(std::strtoul(args[at].c_str(), nullptr, 10)) * 1000;
}

int Usage() {
  std::fputs(
      "usage: robot wait-window TITLE [SECONDS] | list TITLE | click TITLE CAPTION |\n"
      "       time-click TITLE CAPTION [SECONDS] |\n"
      "       type TITLE LABEL TEXT | read TITLE LABEL | message [SECONDS [BUTTON]] |\n"
      "       input TITLE ANSWER|--cancel [SECONDS]\n",
      stderr);
  return 2;
}

HWND WindowOrComplain(const std::string& title, DWORD timeout_ms) {
  HWND window = robot::WaitForWindow(title, timeout_ms);
  if (window == nullptr) {
    std::fprintf(stderr, "robot: no window \"%s\"; windows:", title.c_str());
    for (const std::string& seen : robot::TopLevelTitles()) {
      std::fprintf(stderr, " [%s]", seen.c_str());
    }
    std::fputs("\n", stderr);
  }
  return window;
}

int List(HWND window) {
  for (const robot::Control& control : robot::ListControls(window)) {
    std::printf("%s\t%s\t%s\t%s\t%s\t%ld %ld %ld %ld\n", control.class_name.c_str(),
                control.kind.c_str(), control.caption.c_str(),
                control.enabled ? "enabled" : "disabled", control.checked ? "checked" : "unchecked",
                control.rect.left, control.rect.top, control.rect.right, control.rect.bottom);
  }
  return 0;
}

int Run(const std::vector<std::string>& args) {
  if (args.empty()) return Usage();
  const std::string& command = args[0];
  if (command == "message") {
    const std::string button = args.size() > 2 ? args[2] : std::string();
    const auto box = robot::AnswerMessageBox(Seconds(args, 1), 0, button);
    if (!box) {
      std::fprintf(stderr, "robot: no message box%s%s\n", button.empty() ? "" : " with ",
                   button.c_str());
      return 1;
    }
    std::printf("title: %s\nicon: %s\ntext: %s\nbuttons:", box->title.c_str(), box->icon.c_str(),
                box->text.c_str());
    for (const std::string& caption : box->buttons) {
      std::printf(" %s%s", caption.c_str(), caption == box->default_button ? "*" : "");
    }
    std::printf("\n");
    return 0;
  }
  if (args.size() < 2) return Usage();
  const std::string& title = args[1];
  if (command == "input") {
    if (args.size() < 3) return Usage();
    std::optional<std::string> answer;
    if (args[2] != "--cancel") answer = args[2];
    const auto box = robot::AnswerInputBox(title, answer, Seconds(args, 3));
    if (!box) {
      std::fprintf(stderr, "robot: no input box \"%s\"\n", title.c_str());
      return 1;
    }
    std::printf("title: %s\nprompt: %s\ndefault: %s\n", box->title.c_str(), box->prompt.c_str(),
                box->default_answer.c_str());
    return 0;
  }
  const DWORD wait = command == "wait-window" ? Seconds(args, 2) : kDefaultSeconds * 1000;
  HWND window = WindowOrComplain(title, wait);
  if (window == nullptr) return 1;
  if (command == "wait-window") return 0;
  if (command == "list") return List(window);
  if (command == "click" && args.size() == 3) {
    if (robot::Click(window, args[2])) return 0;
    std::fprintf(stderr, "robot: no enabled button \"%s\"\n", args[2].c_str());
    return 1;
  }
  if (command == "time-click" && args.size() >= 3) {
    const auto timed = robot::TimeClickToMessageBox(window, args[2], Seconds(args, 3));
    if (!timed) {
      std::fprintf(stderr, "robot: no box after a click on \"%s\"\n", args[2].c_str());
      return 1;
    }
    std::printf("seconds: %.3f\ntitle: %s\ntext: %s\n", timed->seconds, timed->box.title.c_str(),
                timed->box.text.c_str());
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    robot::AnswerMessageBox(kDefaultSeconds * 1000, process);
    return 0;
  }
  if (command == "type" && args.size() == 4) {
    if (robot::TypeIntoField(window, args[2], args[3])) return 0;
    std::fprintf(stderr, "robot: no enabled edit box after \"%s\"\n", args[2].c_str());
    return 1;
  }
  if (command == "read" && args.size() == 3) {
    if (!robot::FindControl(window, args[2])) {
      std::fprintf(stderr, "robot: no label \"%s\"\n", args[2].c_str());
      return 1;
    }
    std::printf("%s\n", robot::ReadField(window, args[2]).c_str());
    return 0;
  }
  return Usage();
}

}  // namespace

int main(int argc, char** argv) {
  // Lines end in a bare line feed, for the shell scripts that read them.
  _setmode(_fileno(stdout), _O_BINARY);
  std::vector<std::string> args(argv + 1, argv + argc);
  const int code = Run(args);
  std::fflush(stdout);
  return code;
}
