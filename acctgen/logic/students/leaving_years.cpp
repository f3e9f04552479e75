#include "acctgen/logic/students/leaving_years.h"

#include <utility>

#include "runtime/text.h"

namespace acctgen {

std::vector<std::string> YearFolderLines(const Options& options, const Toolset& tools,
                                         std::string_view year) {
  std::string folder = options.server_drive_letter;
  folder += ":\\";
  folder += rt::Trim(options.home_share);
  folder += "\\";
  folder += year;
  return tools.UpperFolderLines(folder);
}

void AddLeavingYear(const Options& options, const Toolset& tools, std::string_view year,
                    rt::Files& files, const OutputFiles& out, RunState& run) {
  // The set mirrors the list so that a school with many distinct years stays linear; it is
  // rebuilt should anyone have filled the list directly.
  if (run.LeavingYearSet.size() != run.LeavingYearList.size()) {
    run.LeavingYearSet = {run.LeavingYearList.begin(), run.LeavingYearList.end()};
  }
  // Looked up before inserting: emplace would build a node for every student only to drop it.
  std::string key(year);
  if (run.LeavingYearSet.count(key) == 0) {
    run.LeavingYearList.push_back(key);
    run.LeavingYearSet.insert(std::move(key));
  }
  if (run.LeavingYearList.size() != run.YearFolderLinesWritten) {
    for (const std::string& line : YearFolderLines(options, tools, run.LeavingYearList.back())) {
      files.PrintLine(out.Step5, line);
    }
    run.YearFolderLinesWritten = run.LeavingYearList.size();
  }
}

}  // namespace acctgen
