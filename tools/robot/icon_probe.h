#pragma once
// Tells which standard icon a message box of some process shows. An icon handle means
// something only in the process that loaded it (so under Wine), so for a box of another
// process the question is put to that process: the robot loads its small probe library
// (robot_probe.dll) there, which compares the handle with the standard icons it loads itself
// and leaves again at once.

#include <windows.h>

#include <string>

namespace robot {

// "critical", "warning", "information"; "unknown" for an icon that is not standard or when
// the process could not be asked.
std::string IconNameOf(DWORD process_id, HICON icon);

// What the probe and the robot share, through a named file mapping per process.
struct IconProbeRequest {
  UINT64 icon;  // the HICON in the box's process
  LONG answer;  // 0 not answered, else an IconAnswer
};
enum IconAnswer : LONG { kIconOther = 1, kIconCritical, kIconWarning, kIconInformation };

// The mapping's name for the process: "robot-icon-probe-<id>".
std::string IconProbeMappingName(DWORD process_id);
// The standard icon this handle is, among the ones loaded by the calling process.
IconAnswer ClassifyOwnIcon(HICON icon);

}  // namespace robot
