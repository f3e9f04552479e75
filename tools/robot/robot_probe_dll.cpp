// robot_probe.dll: loaded by the robot into a program to answer what only the program can: the
// standard icon its message box shows, the fonts its controls draw with. Then it refuses to
// stay loaded.

#include <windows.h>

#include "tools/robot/process_probe.h"

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
  if (reason != DLL_PROCESS_ATTACH) return TRUE;
  const std::string name = robot::ProbeMappingName(GetCurrentProcessId());
  if (HANDLE mapping = OpenFileMappingA(FILE_MAP_ALL_ACCESS, FALSE, name.c_str())) {
    if (auto* request = static_cast<robot::ProbeRequest*>(
            MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(robot::ProbeRequest)))) {
      if (request->question == robot::kAskIcon) {
        request->answer =
            robot::ClassifyOwnIcon(reinterpret_cast<HICON>(static_cast<UINT_PTR>(request->icon)));
      } else if (request->question == robot::kAskFonts) {
        robot::AnswerFonts(*request);
      }
      UnmapViewOfFile(request);
    }
    CloseHandle(mapping);
  }
  return FALSE;  // the answer is given; nothing of the robot stays in the program
}
