#include "acctgen/ui/win32/sort_library.h"

#include <string>

#include "runtime/error.h"

namespace acctgen {

namespace {
constexpr int kDllEntryPointNotFound = 453;

// The library beside the program, never one found elsewhere on the search path.
std::string LibraryPath() {
  char module[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, module, MAX_PATH);
  std::string path(module, length);
  const std::size_t slash = path.find_last_of("\\/");
  path = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
  return path + "CMSortLib.dll";
}
}  // namespace

LibraryLineSorter::~LibraryLineSorter() {
  if (library_ != nullptr) FreeLibrary(library_);
}

std::int16_t LibraryLineSorter::SortFile(std::string_view arguments) {
  if (sort_file_ == nullptr) {
    if (library_ == nullptr) {
      library_ = LoadLibraryA(LibraryPath().c_str());
      if (library_ == nullptr) throw rt::RuntimeError(rt::kFileNotFound, "CMSortLib.dll");
    }
    sort_file_ = reinterpret_cast<SortFileFunction>(
        reinterpret_cast<void*>(GetProcAddress(library_, "SortFile")));
    if (sort_file_ == nullptr) throw rt::RuntimeError(kDllEntryPointNotFound, "SortFile");
  }
  const std::string text(arguments);
  return sort_file_(text.c_str());
}

}  // namespace acctgen
