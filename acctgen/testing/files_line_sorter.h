#pragma once
// The sort of CMSortLib.dll done in-process on a run's own files, for the native tests,
// benchmarks and fuzzers, where there is no library to load.

#include "acctgen/logic/startup/line_sorter.h"
#include "runtime/files.h"

namespace acctgen::testing {

class FilesLineSorter : public LineSorter {
 public:
  explicit FilesLineSorter(rt::Files& files) : files_(files) {}
  std::int16_t SortFile(std::string_view arguments) override;

 private:
  rt::Files& files_;
};

}  // namespace acctgen::testing
