// robot_probe.dll: loaded by the robot into a program that shows a message box. It answers
// which standard icon the box shows, then refuses to stay loaded.

#include <windows.h>

#include "tools/robot/icon_probe.h"

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
  if (reason != DLL_PROCESS_ATTACH) return TRUE;
  const std::string name = robot::IconProbeMappingName(GetCurrentProcessId());
  if (HANDLE mapping = OpenFileMappingA(FILE_MAP_ALL_ACCESS, FALSE, name.c_str())) {
    if (auto* request = static_cast<robot::IconProbeRequest*>(
            MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(robot::IconProbeRequest)))) {
      const HICON icon = reinterpret_cast<HICON>(static_cast<UINT_PTR>(request->icon));
      request->answer = robot::ClassifyOwnIcon(icon);
      UnmapViewOfFile(request);
    }
    CloseHandle(mapping);
  }
  return FALSE;  // the answer is given; nothing of the robot stays in the program
}
