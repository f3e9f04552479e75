#include "tools/robot/robot.h"

// commctrl.h needs windows.h ahead of it.
#include <commctrl.h>

#include <algorithm>
#include <set>
#include <unordered_set>
#include <utility>

#include "tools/robot/process_probe.h"

namespace robot {

namespace {

constexpr DWORD kPollMs = 20;
// How long one message to another program may take before it counts as hung.
constexpr UINT kSendTimeoutMs = 5000;
// How long a click waits for its reaction before the robot goes on regardless.
constexpr DWORD kClickWaitMs = 30000;
// How long a key press waits for the focus to move.
constexpr DWORD kKeyWaitMs = 2000;

DWORD ProcessOf(HWND window) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  return process;
}

std::string ClassOf(HWND window) {
  char name[256] = {};
  const int length = GetClassNameA(window, name, sizeof name);
  return std::string(name, length > 0 ? static_cast<std::size_t>(length) : 0);
}

// The text of a window of any process: asked of the window itself, as edit boxes keep theirs.
std::string TextOf(HWND window) {
  DWORD_PTR length = 0;
  if (SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs,
                          &length) == 0) {
    char buffer[1024] = {};
    const int got = GetWindowTextA(window, buffer, sizeof buffer);
    return std::string(buffer, got > 0 ? static_cast<std::size_t>(got) : 0);
  }
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  DWORD_PTR got = 0;
  SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                      SMTO_ABORTIFHUNG, kSendTimeoutMs, &got);
  text.resize(std::min<std::size_t>(got, text.size() - 1));
  return text;
}

std::string WithoutAccessKeys(std::string_view caption) {
  std::string plain;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&') {
      if (i + 1 < caption.size() && caption[i + 1] == '&') plain.push_back('&'), ++i;
      continue;
    }
    plain.push_back(caption[i]);
  }
  return plain;
}

std::string KindOf(const std::string& class_name, LONG style) {
  if (lstrcmpiA(class_name.c_str(), "Button") == 0) {
    switch (style & BS_TYPEMASK) {
      case BS_GROUPBOX:
        return "frame";
      case BS_RADIOBUTTON:
      case BS_AUTORADIOBUTTON:
        return "option";
      case BS_CHECKBOX:
      case BS_AUTOCHECKBOX:
      case BS_3STATE:
      case BS_AUTO3STATE:
        return "check";
      default:
        return "button";
    }
  }
  if (lstrcmpiA(class_name.c_str(), "Edit") == 0) return "edit";
  if (lstrcmpiA(class_name.c_str(), "Static") == 0) {
    const LONG type = style & SS_TYPEMASK;
    return type == SS_ICON || type == SS_BITMAP ? "other" : "label";
  }
  return "other";
}

std::vector<HWND> TopLevelWindows(DWORD process_id, bool visible_only) {
  struct Search {
    DWORD process_id;
    bool visible_only;
    std::vector<HWND> found;
  } search{process_id, visible_only, {}};
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        auto* s = reinterpret_cast<Search*>(data);
        if (s->visible_only && !IsWindowVisible(window)) return TRUE;
        if (s->process_id != 0 && ProcessOf(window) != s->process_id) return TRUE;
        s->found.push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Sends the message without waiting for more than its quick effects: it returns once the
// window has handled it, or once the handling opens a window of its own (a modal box waits
// for the user, who is the robot), or once the window is gone, or after wait_ms.
// True when the window handled the message to its end.
bool SendAndWatch(HWND target, UINT message, WPARAM wparam, LPARAM lparam, DWORD wait_ms) {
  // Answers arrive through the thread's message queue, possibly after this call gave up.
  thread_local std::unordered_set<ULONG_PTR> answered;
  thread_local ULONG_PTR next_ticket = 0;
  const ULONG_PTR ticket = ++next_ticket;
  const DWORD process = ProcessOf(target);
  const std::vector<HWND> before = TopLevelWindows(process, true);
  const std::set<HWND> known(before.begin(), before.end());
  if (!SendMessageCallbackA(
          target, message, wparam, lparam,
          [](HWND, UINT, ULONG_PTR data, LRESULT) { answered.insert(data); }, ticket)) {
    return false;
  }
  const ULONGLONG deadline = GetTickCount64() + wait_ms;
  while (true) {
    MSG queued;
    while (PeekMessageA(&queued, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&queued);
      DispatchMessageA(&queued);
    }
    if (answered.erase(ticket) != 0) return true;
    if (!IsWindow(target)) return false;
    for (HWND window : TopLevelWindows(process, true)) {
      if (known.count(window) == 0) return false;
    }
    if (GetTickCount64() >= deadline) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, kPollMs, QS_ALLINPUT);
  }
}

std::optional<Control> EditAfter(HWND window, std::string_view label) {
  const std::string wanted = WithoutAccessKeys(label);
  bool label_seen = false;
  for (const Control& control : ListControls(window)) {
    if (!label_seen) {
      label_seen = control.kind == "label" && WithoutAccessKeys(control.caption) == wanted;
    } else if (control.kind == "edit") {
      return control;
    }
  }
  return std::nullopt;
}

// Types text as the keyboard would, one character after another over the selected old text,
// so the box's own rules (upper case, length limit) apply and every change runs its reaction.
bool TypeInto(const Control& edit, std::string_view text) {
  if (!edit.enabled) return false;
  DWORD_PTR ignored = 0;
  SendMessageTimeoutA(edit.handle, EM_SETSEL, 0, -1, SMTO_ABORTIFHUNG, kSendTimeoutMs, &ignored);
  if (text.empty()) return SendAndWatch(edit.handle, WM_CHAR, VK_BACK, 1, kClickWaitMs);
  for (char c : text) {
    if (!SendAndWatch(edit.handle, WM_CHAR, static_cast<unsigned char>(c), 1, kClickWaitMs)) {
      return false;
    }
  }
  return true;
}

HWND ChildWithId(HWND parent, int id, const char* class_name) {
  HWND child = GetDlgItem(parent, id);
  return child != nullptr && lstrcmpiA(ClassOf(child).c_str(), class_name) == 0 ? child : nullptr;
}

bool HasEditBox(HWND box) { return FindWindowExA(box, nullptr, "Edit", nullptr) != nullptr; }

// Message boxes are dialogs without an edit box; input boxes have one.
std::vector<HWND> Dialogs(DWORD process_id, bool with_edit) {
  std::vector<HWND> found;
  for (HWND window : TopLevelWindows(process_id, true)) {
    if (ClassOf(window) == "#32770" && HasEditBox(window) == with_edit) found.push_back(window);
  }
  return found;
}

HWND MessageBoxIcon(HWND box) {
  for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    if (lstrcmpiA(ClassOf(child).c_str(), "Static") == 0 &&
        (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
      return child;
    }
  }
  return nullptr;
}

std::string MessageBoxText(HWND box) {
  // The text control's identifier is 0xFFFF on Windows; Wine numbers it 100.
  for (int id : {0xFFFF, 100}) {
    if (HWND text = ChildWithId(box, id, "Static")) return TextOf(text);
  }
  return {};
}

// The box's visible buttons, in creation order.
std::vector<HWND> MessageBoxButtons(HWND box) {
  std::vector<HWND> buttons;
  for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    if (lstrcmpiA(ClassOf(child).c_str(), "Button") == 0 && IsWindowVisible(child)) {
      buttons.push_back(child);
    }
  }
  return buttons;
}

MessageBoxSeen ReadMessageBox(HWND box) {
  MessageBoxSeen seen;
  seen.title = TextOf(box);
  seen.text = MessageBoxText(box);
  // The default button is drawn as such (Wine marks it only so); else the dialog names it.
  for (HWND button : MessageBoxButtons(box)) {
    seen.buttons.push_back(WithoutAccessKeys(TextOf(button)));
    if ((GetWindowLongA(button, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON) {
      seen.default_button = seen.buttons.back();
    }
  }
  DWORD_PTR default_id = 0;
  if (seen.default_button.empty() &&
      SendMessageTimeoutA(box, DM_GETDEFID, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &default_id) !=
          0 &&
      HIWORD(default_id) == DC_HASDEFID) {
    if (HWND button = GetDlgItem(box, LOWORD(default_id))) {
      seen.default_button = WithoutAccessKeys(TextOf(button));
    }
  }
  seen.icon = "none";
  if (HWND icon = MessageBoxIcon(box); icon != nullptr && IsWindowVisible(icon)) {
    DWORD_PTR handle = 0;
    SendMessageTimeoutA(icon, STM_GETICON, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &handle);
    if (handle != 0) seen.icon = IconNameOf(ProcessOf(box), reinterpret_cast<HICON>(handle));
  }
  return seen;
}

template <typename Find>
auto WaitFor(DWORD timeout_ms, Find find) -> decltype(find()) {
  const ULONGLONG deadline = GetTickCount64() + timeout_ms;
  while (true) {
    if (auto found = find()) return found;
    if (GetTickCount64() >= deadline) return {};
    Sleep(kPollMs);
  }
}

}  // namespace

// --- Process ---------------------------------------------------------------------------------

Process::~Process() {
  if (handle_ != nullptr) CloseHandle(handle_);
}

Process::Process(Process&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)), id_(std::exchange(other.id_, 0)) {}

Process& Process::operator=(Process&& other) noexcept {
  if (this != &other) {
    if (handle_ != nullptr) CloseHandle(handle_);
    handle_ = std::exchange(other.handle_, nullptr);
    id_ = std::exchange(other.id_, 0);
  }
  return *this;
}

Process Process::Start(const std::string& command_line, const std::string& working_folder) {
  std::string line = command_line;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  Process process;
  if (CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                     working_folder.empty() ? nullptr : working_folder.c_str(), &startup,
                     &started)) {
    CloseHandle(started.hThread);
    process.handle_ = started.hProcess;
    process.id_ = started.dwProcessId;
  }
  return process;
}

bool Process::Running() const {
  return handle_ != nullptr && WaitForSingleObject(handle_, 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> Process::WaitForExit(DWORD timeout_ms) {
  if (handle_ == nullptr || WaitForSingleObject(handle_, timeout_ms) != WAIT_OBJECT_0) {
    return std::nullopt;
  }
  DWORD code = 0;
  GetExitCodeProcess(handle_, &code);
  return code;
}

void Process::Kill() {
  if (Running()) {
    TerminateProcess(handle_, 1);
    WaitForSingleObject(handle_, 5000);
  }
}

// --- Windows and controls --------------------------------------------------------------------

HWND WaitForWindow(std::string_view title, DWORD timeout_ms, DWORD process_id) {
  return WaitFor(timeout_ms, [&]() -> HWND {
    for (HWND window : TopLevelWindows(process_id, true)) {
      if (TextOf(window) == title) return window;
    }
    return nullptr;
  });
}

std::vector<std::string> TopLevelTitles(DWORD process_id) {
  std::vector<std::string> titles;
  for (HWND window : TopLevelWindows(process_id, true)) titles.push_back(TextOf(window));
  return titles;
}

std::vector<Control> ListControls(HWND window) {
  std::vector<HWND> children;
  EnumChildWindows(
      window,
      [](HWND child, LPARAM data) -> BOOL {
        reinterpret_cast<std::vector<HWND>*>(data)->push_back(child);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&children));
  std::vector<Control> controls;
  for (HWND child : children) {
    Control control{};
    control.handle = child;
    control.class_name = ClassOf(child);
    control.caption = TextOf(child);
    const LONG style = GetWindowLongA(child, GWL_STYLE);
    control.kind = KindOf(control.class_name, style);
    control.enabled = IsWindowEnabled(child) != FALSE;
    control.visible = IsWindowVisible(child) != FALSE;
    control.checked = false;
    if (control.kind == "option" || control.kind == "check") {
      DWORD_PTR state = 0;
      SendMessageTimeoutA(child, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &state);
      control.checked = state == BST_CHECKED;
    }
    control.id = GetDlgCtrlID(child);
    GetWindowRect(child, &control.rect);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&control.rect), 2);
    controls.push_back(std::move(control));
  }
  return controls;
}

std::optional<Control> FindControl(HWND window, std::string_view caption) {
  const std::string wanted = WithoutAccessKeys(caption);
  for (Control& control : ListControls(window)) {
    if (WithoutAccessKeys(control.caption) == wanted) return std::move(control);
  }
  return std::nullopt;
}

bool Click(HWND window, std::string_view caption) {
  const std::string wanted = WithoutAccessKeys(caption);
  for (const Control& control : ListControls(window)) {
    if (control.class_name != "Button" || control.kind == "frame") continue;
    if (WithoutAccessKeys(control.caption) != wanted) continue;
    if (!control.enabled || !control.visible) return false;
    SendAndWatch(control.handle, BM_CLICK, 0, 0, kClickWaitMs);
    return true;
  }
  return false;
}

bool TypeIntoField(HWND window, std::string_view label, std::string_view text) {
  const std::optional<Control> edit = EditAfter(window, label);
  return edit && TypeInto(*edit, text);
}

bool TypeIntoEdit(HWND window, int index, std::string_view text) {
  int seen = 0;
  for (const Control& control : ListControls(window)) {
    if (control.kind == "edit" && seen++ == index) return TypeInto(control, text);
  }
  return false;
}

std::string ReadField(HWND window, std::string_view label) {
  const std::optional<Control> edit = EditAfter(window, label);
  return edit ? edit->caption : std::string();
}

HWND FocusedControl(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
  return info.hwndFocus;
}

namespace {

// Posts a key to the focused control, as the keyboard would: the program's message loop sees
// it, so its dialog navigation applies. Waits until the focus moves or a window opens.
void PostKey(HWND window, UINT down, UINT up, WPARAM key, LPARAM flags) {
  HWND focus = FocusedControl(window);
  HWND target = focus != nullptr ? focus : window;
  const DWORD process = ProcessOf(window);
  const std::vector<HWND> before = TopLevelWindows(process, true);
  const std::set<HWND> known(before.begin(), before.end());
  PostMessageA(target, down, key, flags);
  if (up != 0) PostMessageA(target, up, key, flags | 0xC0000000);
  const ULONGLONG deadline = GetTickCount64() + kKeyWaitMs;
  while (GetTickCount64() < deadline) {
    Sleep(kPollMs);
    if (FocusedControl(window) != focus) return;
    for (HWND top : TopLevelWindows(process, true)) {
      if (known.count(top) == 0) return;
    }
  }
}

}  // namespace

void PressTab(HWND window) { PostKey(window, WM_KEYDOWN, WM_KEYUP, VK_TAB, 0x000F0001); }

void PressAccessKey(HWND window, char letter) {
  // Bit 29 of the key data: Alt is held.
  PostKey(window, WM_SYSCHAR, 0, static_cast<unsigned char>(letter), 0x20000001);
}

std::string ToolTipOf(HWND window, HWND control) {
  const DWORD process = ProcessOf(window);
  HANDLE target =
      OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, process);
  if (target == nullptr) return {};
  // The tool tip window reads and writes the tool's record in its own process's memory. The
  // wide form: Wine cuts the 8-bit one at 80 characters.
  constexpr SIZE_T kTextChars = 1024;
  char* remote = static_cast<char*>(
      VirtualAllocEx(target, nullptr, sizeof(TTTOOLINFOW) + kTextChars * sizeof(wchar_t),
                     MEM_COMMIT, PAGE_READWRITE));
  std::string tip;
  if (remote != nullptr) {
    auto* remote_text = reinterpret_cast<wchar_t*>(remote + sizeof(TTTOOLINFOW));
    for (HWND tips : TopLevelWindows(process, false)) {
      if (lstrcmpiA(ClassOf(tips).c_str(), TOOLTIPS_CLASSA) != 0) continue;
      TTTOOLINFOW tool{};
      tool.cbSize = TTTOOLINFOW_V2_SIZE;
      tool.uFlags = TTF_IDISHWND;
      tool.hwnd = GetParent(control);
      tool.uId = reinterpret_cast<UINT_PTR>(control);
      tool.lpszText = remote_text;
      const wchar_t nothing[1] = {0};
      WriteProcessMemory(target, remote, &tool, sizeof tool, nullptr);
      WriteProcessMemory(target, remote_text, nothing, sizeof nothing, nullptr);
      DWORD_PTR ignored = 0;
      SendMessageTimeoutW(tips, TTM_GETTEXTW, kTextChars, reinterpret_cast<LPARAM>(remote),
                          SMTO_ABORTIFHUNG, kSendTimeoutMs, &ignored);
      wchar_t text[kTextChars] = {};
      if (ReadProcessMemory(target, remote_text, text, (kTextChars - 1) * sizeof(wchar_t),
                            nullptr) &&
          text[0] != 0) {
        char bytes[kTextChars * 2] = {};
        const int got =
            WideCharToMultiByte(CP_ACP, 0, text, -1, bytes, sizeof bytes, nullptr, nullptr);
        tip.assign(bytes, got > 0 ? static_cast<std::size_t>(got - 1) : 0);
        break;
      }
    }
    VirtualFreeEx(target, remote, 0, MEM_RELEASE);
  }
  CloseHandle(target);
  return tip;
}

// --- Message boxes and input boxes -----------------------------------------------------------

std::optional<MessageBoxSeen> WaitForMessageBox(DWORD timeout_ms, DWORD process_id) {
  HWND box = WaitFor(timeout_ms, [&]() -> HWND {
    const std::vector<HWND> boxes = Dialogs(process_id, false);
    return boxes.empty() ? nullptr : boxes.front();
  });
  if (box == nullptr) return std::nullopt;
  return ReadMessageBox(box);
}

std::optional<MessageBoxSeen> AnswerMessageBox(DWORD timeout_ms, DWORD process_id,
                                               std::string_view button) {
  HWND box = WaitFor(timeout_ms, [&]() -> HWND {
    const std::vector<HWND> boxes = Dialogs(process_id, false);
    return boxes.empty() ? nullptr : boxes.front();
  });
  if (box == nullptr) return std::nullopt;
  MessageBoxSeen seen = ReadMessageBox(box);
  // Posted: what the program does after the answer (another box, say) must not hold the robot.
  if (button.empty()) {
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  } else {
    // A person reads the buttons: a box without a button of this caption cannot be answered.
    HWND pressed = nullptr;
    for (HWND candidate : MessageBoxButtons(box)) {
      if (WithoutAccessKeys(TextOf(candidate)) == WithoutAccessKeys(button)) pressed = candidate;
    }
    if (pressed == nullptr) return std::nullopt;
    PostMessageA(pressed, BM_CLICK, 0, 0);
  }
  WaitFor(kSendTimeoutMs, [&] { return !IsWindow(box) || !IsWindowVisible(box); });
  return seen;
}

std::optional<TimedClick> TimeClickToMessageBox(HWND window, std::string_view caption,
                                                DWORD timeout_ms) {
  const std::optional<Control> button = FindControl(window, caption);
  if (!button || button->class_name != "Button" || !button->enabled || !button->visible) {
    return std::nullopt;
  }
  const DWORD process = ProcessOf(window);
  LARGE_INTEGER frequency{};
  LARGE_INTEGER start{};
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  // Posted, as a mouse click arrives: the program's work must not hold the robot.
  PostMessageA(button->handle, BM_CLICK, 0, 0);
  // A finer poll than the other waits: the figure is read to a hundredth of a second.
  HWND box = nullptr;
  const ULONGLONG deadline = GetTickCount64() + timeout_ms;
  while (box == nullptr) {
    const std::vector<HWND> boxes = Dialogs(process, false);
    if (!boxes.empty()) {
      box = boxes.front();
    } else if (GetTickCount64() >= deadline) {
      return std::nullopt;
    } else {
      Sleep(2);
    }
  }
  LARGE_INTEGER end{};
  QueryPerformanceCounter(&end);
  const double seconds =
      static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
  return TimedClick{seconds, ReadMessageBox(box)};
}

std::optional<InputBoxSeen> AnswerInputBox(std::string_view title,
                                           std::optional<std::string> answer, DWORD timeout_ms,
                                           DWORD process_id) {
  HWND box = WaitFor(timeout_ms, [&]() -> HWND {
    for (HWND dialog : Dialogs(process_id, true)) {
      if (TextOf(dialog) == title) return dialog;
    }
    return nullptr;
  });
  if (box == nullptr) return std::nullopt;
  InputBoxSeen seen;
  seen.title = TextOf(box);
  HWND edit = FindWindowExA(box, nullptr, "Edit", nullptr);
  seen.default_answer = TextOf(edit);
  for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    if (lstrcmpiA(ClassOf(child).c_str(), "Static") == 0 && seen.prompt.empty()) {
      seen.prompt = TextOf(child);
    }
  }
  GetWindowRect(box, &seen.rect);
  if (answer) {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(answer->c_str()),
                        SMTO_ABORTIFHUNG, kSendTimeoutMs, &ignored);
  }
  // A person reads the buttons: a box whose button lacks its caption cannot be answered.
  if (!Click(box, answer ? "OK" : "Cancel")) return std::nullopt;
  WaitFor(kSendTimeoutMs, [&] { return !IsWindow(box) || !IsWindowVisible(box); });
  return seen;
}

}  // namespace robot
