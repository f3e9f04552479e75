#include "acctgen/logic/toolset.h"

#include "acctgen/logic/classic_tools.h"
#include "acctgen/logic/todays_tools.h"

namespace acctgen {

std::unique_ptr<const Toolset> ChooseToolset(const Options& options) {
  if (options.todays_tools) return std::make_unique<TodaysTools>(options);
  return std::make_unique<ClassicTools>(options);
}

}  // namespace acctgen
