#include "tools/robot/process_probe.h"

#include <memory>

namespace robot {

namespace {

constexpr DWORD kProbeWaitMs = 10000;

const char* NameOf(LONG answer) {
  switch (answer) {
    case kIconCritical:
      return "critical";
    case kIconWarning:
      return "warning";
    case kIconInformation:
      return "information";
    default:
      return "unknown";
  }
}

bool FileExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Beside the running program (robot.exe), else where the build put it.
std::string ProbeLibrary() {
  char module[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(nullptr, module, MAX_PATH);
  std::string beside(module, length);
  beside.erase(beside.find_last_of("\\/") + 1);
  beside += "robot_probe.dll";
  if (FileExists(beside)) return beside;
#ifdef ROBOT_PROBE_HOST_PATH
  std::string built = "Z:";
  for (const char* c = ROBOT_PROBE_HOST_PATH; *c != 0; ++c) built.push_back(*c == '/' ? '\\' : *c);
  if (FileExists(built)) return built;
#endif
  return {};
}

// Loads the probe into the process; it answers while being loaded. Returns false when the
// process could not be asked; question then holds the answer.
bool AskProcess(DWORD process_id, ProbeRequest& question) {
  const std::string library = ProbeLibrary();
  if (library.empty()) return false;
  const std::string name = ProbeMappingName(process_id);
  HANDLE mapping = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                      sizeof(ProbeRequest), name.c_str());
  if (mapping == nullptr) return false;
  question.answer = 0;
  auto* request = static_cast<ProbeRequest*>(
      MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(ProbeRequest)));
  HANDLE process = OpenProcess(PROCESS_CREATE_THREAD | PROCESS_QUERY_INFORMATION |
                                   PROCESS_VM_OPERATION | PROCESS_VM_WRITE | PROCESS_VM_READ,
                               FALSE, process_id);
  if (request != nullptr && process != nullptr) {
    *request = question;
    void* remote_path =
        VirtualAllocEx(process, nullptr, library.size() + 1, MEM_COMMIT, PAGE_READWRITE);
    if (remote_path != nullptr &&
        WriteProcessMemory(process, remote_path, library.c_str(), library.size() + 1, nullptr)) {
      // kernel32 stands at the same address in every process.
      auto load = reinterpret_cast<LPTHREAD_START_ROUTINE>(reinterpret_cast<void*>(
          GetProcAddress(GetModuleHandleA("kernel32.dll"), "LoadLibraryA")));
      if (HANDLE thread = CreateRemoteThread(process, nullptr, 0, load, remote_path, 0, nullptr)) {
        WaitForSingleObject(thread, kProbeWaitMs);
        CloseHandle(thread);
        question = *request;
      }
    }
    if (remote_path != nullptr) VirtualFreeEx(process, remote_path, 0, MEM_RELEASE);
  }
  if (process != nullptr) CloseHandle(process);
  if (request != nullptr) UnmapViewOfFile(request);
  CloseHandle(mapping);
  return question.answer != 0;
}

}  // namespace

std::string IconNameOf(DWORD process_id, HICON icon) {
  if (process_id == GetCurrentProcessId()) return NameOf(ClassifyOwnIcon(icon));
  auto request = std::make_unique<ProbeRequest>();
  request->question = kAskIcon;
  request->icon = reinterpret_cast<UINT_PTR>(icon);
  return NameOf(AskProcess(process_id, *request) ? request->answer : 0);
}

std::vector<LOGFONTA> FontsOf(DWORD process_id, const std::vector<HWND>& windows) {
  if (windows.size() > kMostProbedWindows) return {};
  auto request = std::make_unique<ProbeRequest>();
  request->question = kAskFonts;
  request->count = static_cast<LONG>(windows.size());
  for (std::size_t i = 0; i < windows.size(); ++i) {
    request->windows[i] = reinterpret_cast<UINT_PTR>(windows[i]);
  }
  const bool answered = process_id == GetCurrentProcessId() ? (AnswerFonts(*request), true)
                                                            : AskProcess(process_id, *request);
  if (!answered) return {};
  return std::vector<LOGFONTA>(request->fonts, request->fonts + windows.size());
}

}  // namespace robot
