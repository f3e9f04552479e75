#pragma once
// SortFile of CMSortLib.dll, bound by name on the first call from the folder of the program.

#include <windows.h>

#include "acctgen/logic/startup/line_sorter.h"

namespace acctgen {

class LibraryLineSorter : public LineSorter {
 public:
  LibraryLineSorter() = default;
  ~LibraryLineSorter() override;
  LibraryLineSorter(const LibraryLineSorter&) = delete;
  LibraryLineSorter& operator=(const LibraryLineSorter&) = delete;

  // Raises 53 when the library is not beside the program, 453 when it lacks SortFile.
  std::int16_t SortFile(std::string_view arguments) override;

 private:
  using SortFileFunction = short (*)(const char*);
  HMODULE library_ = nullptr;
  SortFileFunction sort_file_ = nullptr;
};

}  // namespace acctgen
