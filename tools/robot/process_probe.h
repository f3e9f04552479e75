#pragma once
// Asks a program what only it can answer. An icon or font handle means something only in the
// process that made it (so under Wine), so the question is put to that process: the robot loads
// its small probe library (robot_probe.dll) there, which answers while being loaded and leaves
// again at once.

#include <windows.h>

#include <string>
#include <vector>

namespace robot {

// Which standard icon a message box of some process shows: "critical", "warning",
// "information"; "unknown" for an icon that is not standard or when the process could not be
// asked.
std::string IconNameOf(DWORD process_id, HICON icon);

// The fonts the windows (controls of one process) really draw with, as WM_GETFONT gives them
// (the system font for a window without a font of its own); empty when the process could not
// be asked.
std::vector<LOGFONTA> FontsOf(DWORD process_id, const std::vector<HWND>& windows);

// What the probe and the robot share, through a named file mapping per process.
enum ProbeQuestion : LONG { kAskIcon = 1, kAskFonts };
enum IconAnswer : LONG { kIconOther = 1, kIconCritical, kIconWarning, kIconInformation };
inline constexpr int kMostProbedWindows = 256;
struct ProbeRequest {
  LONG question;
  LONG answer;  // 0 not answered, else an IconAnswer, or 1 for fonts given
  UINT64 icon;  // the HICON in the box's process
  LONG count;   // windows asked about
  UINT64 windows[kMostProbedWindows];
  LOGFONTA fonts[kMostProbedWindows];
};

// The mapping's name for the process: "robot-probe-<id>".
std::string ProbeMappingName(DWORD process_id);
// The standard icon this handle is, among the ones loaded by the calling process.
IconAnswer ClassifyOwnIcon(HICON icon);
// The fonts of windows of the calling process.
void AnswerFonts(ProbeRequest& request);

}  // namespace robot
