// The pieces of the icon probe that both the robot and robot_probe.dll use.

#include "tools/robot/icon_probe.h"

namespace robot {

std::string IconProbeMappingName(DWORD process_id) {
  return "robot-icon-probe-" + std::to_string(process_id);
}

IconAnswer ClassifyOwnIcon(HICON icon) {
  if (icon == LoadIcon(nullptr, IDI_HAND)) return kIconCritical;
  if (icon == LoadIcon(nullptr, IDI_EXCLAMATION)) return kIconWarning;
  if (icon == LoadIcon(nullptr, IDI_ASTERISK)) return kIconInformation;
  return kIconOther;
}

}  // namespace robot
