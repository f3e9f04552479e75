#pragma once
// Keeps the "Processing..." form readable and cheap: nobody reads two thousand names a second,
// and every repaint is a round trip to the window system. An item reaches the form when the
// last repaint is at least kRepaintInterval old; the first item after a change of phase always
// does, and the last one is painted before the next phase or before the form hides. A phase
// that changes is always shown at once.

#include <chrono>
#include <functional>
#include <optional>
#include <string>

#include "acctgen/logic/startup/progress_sink.h"

namespace acctgen {

class ThrottledProgress : public ProgressSink {
 public:
  using Clock = std::function<std::chrono::milliseconds()>;
  static constexpr std::chrono::milliseconds kRepaintInterval{20};

  // clock: a monotonic time; the steady clock when none is given.
  explicit ThrottledProgress(ProgressSink& form, Clock clock = {});

  void ShowPhase(std::string_view text) override;
  void ShowItem(std::string_view text) override;
  void Show() override;
  void Hide() override;

 private:
  void PaintPendingItem();

  ProgressSink& form_;
  Clock clock_;
  std::optional<std::string> phase_;
  std::optional<std::string> pending_item_;
  bool first_item_of_phase_ = true;
  std::optional<std::chrono::milliseconds> last_paint_;
};

}  // namespace acctgen
