// The pieces of the process probe that both the robot and robot_probe.dll use.

#include "tools/robot/process_probe.h"

namespace robot {

std::string ProbeMappingName(DWORD process_id) {
  return "robot-probe-" + std::to_string(process_id);
}

IconAnswer ClassifyOwnIcon(HICON icon) {
  if (icon == LoadIcon(nullptr, IDI_HAND)) return kIconCritical;
  if (icon == LoadIcon(nullptr, IDI_EXCLAMATION)) return kIconWarning;
  if (icon == LoadIcon(nullptr, IDI_ASTERISK)) return kIconInformation;
  return kIconOther;
}

void AnswerFonts(ProbeRequest& request) {
  for (LONG i = 0; i < request.count && i < kMostProbedWindows; ++i) {
    HWND window = reinterpret_cast<HWND>(static_cast<UINT_PTR>(request.windows[i]));
    DWORD_PTR font = 0;
    SendMessageTimeoutA(window, WM_GETFONT, 0, 0, SMTO_ABORTIFHUNG, 2000, &font);
    HGDIOBJ object = font != 0 ? reinterpret_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT);
    request.fonts[i] = {};
    GetObjectA(object, sizeof(LOGFONTA), &request.fonts[i]);
  }
  request.answer = 1;
}

}  // namespace robot
