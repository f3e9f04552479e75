#include "runtime/win32/win32_dialogs.h"

#include <string>
#include <vector>

#include "runtime/win32/controls.h"

namespace rt {

namespace {

// Builds an in-memory dialog template: Windows has no ready-made input box.
class DialogTemplate {
 public:
  DialogTemplate(DWORD style, short width, short height) {
    PutLong(style);
    PutLong(0);  // extended style
    count_at_ = words_.size();
    words_.push_back(0);  // number of items, counted as they are added
    PutShort(0);
    PutShort(0);
    PutShort(width);
    PutShort(height);
    words_.push_back(0);  // no menu
    words_.push_back(0);  // the standard dialog class
    words_.push_back(0);  // no title here: it is set on WM_INITDIALOG from 8-bit text
    words_.push_back(8);  // the font's point size (DS_SETFONT)
    PutText(L"MS Shell Dlg");
  }

  // atom: 0x0080 button, 0x0081 edit, 0x0082 static. The buttons' captions come with the
  // template; the other texts are set on WM_INITDIALOG from 8-bit text.
  void Add(WORD atom, int id, DWORD style, short x, short y, short width, short height,
           const wchar_t* text = L"") {
    if (words_.size() % 2 != 0) words_.push_back(0);  // items start on a DWORD boundary
    PutLong(WS_CHILD | WS_VISIBLE | style);
    PutLong(0);
    PutShort(x);
    PutShort(y);
    PutShort(width);
    PutShort(height);
    words_.push_back(static_cast<WORD>(id));
    words_.push_back(0xFFFF);
    words_.push_back(atom);
    PutText(text);
    words_.push_back(0);  // no creation data
    ++words_[count_at_];
  }

  const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

 private:
  void PutLong(DWORD value) {
    words_.push_back(LOWORD(value));
    words_.push_back(HIWORD(value));
  }
  void PutShort(short value) { words_.push_back(static_cast<WORD>(value)); }
  void PutText(const wchar_t* text) {
    while (*text != 0) words_.push_back(static_cast<WORD>(*text++));
    words_.push_back(0);
  }

  std::vector<WORD> words_;
  std::size_t count_at_ = 0;
};

struct InputBoxState {
  std::string prompt;
  std::string title;
  std::string default_answer;
  std::optional<TwipsPoint> position;
  std::string answer;
};

INT_PTR CALLBACK InputBoxProc(HWND box, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_INITDIALOG: {
      auto* state = reinterpret_cast<InputBoxState*>(lparam);
      SetWindowLongPtrA(box, DWLP_USER, lparam);
      SetWindowTextA(box, state->title.c_str());
      SetDlgItemTextA(box, kInputBoxPromptId, state->prompt.c_str());
      HWND answer = GetDlgItem(box, kInputBoxAnswerId);
      SetWindowTextA(answer, state->default_answer.c_str());
      if (state->position) {
        SetWindowPos(box, nullptr, win32::TwipsToPixelsX(state->position->x),
                     win32::TwipsToPixelsY(state->position->y), 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      }
      SetFocus(answer);
      SendMessageA(answer, EM_SETSEL, 0, -1);
      return FALSE;  // the focus is set
    }
    case WM_COMMAND:
      if (LOWORD(wparam) == IDOK) {
        auto* state = reinterpret_cast<InputBoxState*>(GetWindowLongPtrA(box, DWLP_USER));
        state->answer = win32::GetText(GetDlgItem(box, kInputBoxAnswerId));
        EndDialog(box, IDOK);
        return TRUE;
      }
      if (LOWORD(wparam) == IDCANCEL) {  // Cancel, Esc and the close box
        EndDialog(box, IDCANCEL);
        return TRUE;
      }
      break;
    default:
      break;
  }
  return FALSE;
}

}  // namespace

namespace {

UINT IconStyle(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::kCritical:
      return MB_ICONERROR;
    case MessageIcon::kWarning:
      return MB_ICONWARNING;
    case MessageIcon::kInformation:
      return MB_ICONINFORMATION;
    case MessageIcon::kNone:
      break;
  }
  return 0;
}

}  // namespace

UINT MessageBoxStyle(MessageIcon icon) { return MB_OK | IconStyle(icon); }

UINT QuestionBoxStyle(MessageIcon icon) { return MB_YESNO | MB_DEFBUTTON2 | IconStyle(icon); }

HWND Win32Dialogs::Owner() const {
  return owner_ != nullptr && IsWindow(owner_) ? owner_ : GetActiveWindow();
}

void Win32Dialogs::ShowMessage(std::string_view text, std::string_view title, MessageIcon icon) {
  const std::string body(text);
  const std::string caption(title);
  MessageBoxA(Owner(), body.c_str(), caption.c_str(), MessageBoxStyle(icon));
}

bool Win32Dialogs::AskYesNo(std::string_view text, std::string_view title, MessageIcon icon) {
  const std::string body(text);
  const std::string caption(title);
  return MessageBoxA(Owner(), body.c_str(), caption.c_str(), QuestionBoxStyle(icon)) == IDYES;
}

std::string Win32Dialogs::AskText(std::string_view prompt, std::string_view title,
                                  std::string_view default_answer,
                                  std::optional<TwipsPoint> position) {
  InputBoxState state{
      std::string(prompt), std::string(title), std::string(default_answer), position, {}};
  DWORD style = DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU;
  if (!position) style |= DS_CENTER;
  DialogTemplate box(style, 250, 86);
  constexpr WORD kButton = 0x0080, kEdit = 0x0081, kStatic = 0x0082;
  box.Add(kStatic, kInputBoxPromptId, SS_LEFT | SS_NOPREFIX, 7, 7, 180, 52);
  box.Add(kButton, IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, 193, 7, 50, 14, L"OK");
  box.Add(kButton, IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, 193, 25, 50, 14, L"Cancel");
  box.Add(kEdit, kInputBoxAnswerId, ES_LEFT | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP | WS_GROUP, 7,
          66, 236, 12);
  const INT_PTR result = DialogBoxIndirectParamA(GetModuleHandleA(nullptr), box.get(), Owner(),
                                                 InputBoxProc, reinterpret_cast<LPARAM>(&state));
  return result == IDOK ? state.answer : std::string();
}

}  // namespace rt
