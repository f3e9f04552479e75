#include "runtime/win32/failure_exit.h"

#include "runtime/error.h"
#include "runtime/support_texts.h"

namespace rt::win32 {

void CloseEveryFile(Files& files) {
  try {
    files.CloseAll();
  } catch (const RuntimeError&) {  // the program ends either way
  }
}

void ReportFailureAndEnd(HWND owner, std::string_view title, int number,
                         const std::string& description, Files& files) {
  const std::string text = FailureReportText(number, description);
  const std::string caption(title);
  MessageBoxA(owner, text.c_str(), caption.c_str(), MB_OK | MB_ICONERROR);
  CloseEveryFile(files);
  ExitProcess(1);
}

}  // namespace rt::win32
