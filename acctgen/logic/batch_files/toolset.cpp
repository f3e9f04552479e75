#include "acctgen/logic/batch_files/toolset.h"

#include "acctgen/logic/batch_files/classic_toolset.h"
#include "acctgen/logic/batch_files/todays_toolset.h"

namespace acctgen {

std::unique_ptr<const Toolset> ChooseToolset(const Options& options) {
  if (options.todays_tools) return std::make_unique<TodaysTools>(options);
  return std::make_unique<ClassicTools>(options);
}

}  // namespace acctgen
