#pragma once
// Where a long piece of work reports what it is doing.

#include <string_view>

namespace acctgen {

// Shows progress on the "Processing..." form: the phase on the upper label, the current item
// on the lower one. Each call repaints at once.
class ProgressSink {
 public:
  virtual ~ProgressSink() = default;
  virtual void ShowPhase(std::string_view text) = 0;
  virtual void ShowItem(std::string_view text) = 0;
  // Shows the form (without waiting for it) and repaints it; hides it again at the end of a run.
  virtual void Show() {}
  virtual void Hide() {}
};

class SilentProgress : public ProgressSink {
 public:
  void ShowPhase(std::string_view) override {}
  void ShowItem(std::string_view) override {}
};

}  // namespace acctgen
