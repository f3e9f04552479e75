#include "acctgen/logic/startup/throttled_progress.h"

#include <utility>

namespace acctgen {

ThrottledProgress::ThrottledProgress(ProgressSink& form, Clock clock)
    : form_(form), clock_(std::move(clock)) {
  if (!clock_) {
    clock_ = [] {
      return std::chrono::duration_cast<std::chrono::milliseconds>(
          std::chrono::steady_clock::now().time_since_epoch());
    };
  }
}

void ThrottledProgress::ShowPhase(std::string_view text) {
  if (phase_ && *phase_ == text) return;
  PaintPendingItem();
  phase_ = std::string(text);
  form_.ShowPhase(text);
  first_item_of_phase_ = true;
  last_paint_ = clock_();
}

void ThrottledProgress::ShowItem(std::string_view text) {
  const std::chrono::milliseconds now = clock_();
  if (first_item_of_phase_ || !last_paint_ || now - *last_paint_ >= kRepaintInterval) {
    first_item_of_phase_ = false;
    pending_item_.reset();
    form_.ShowItem(text);
    last_paint_ = now;
    return;
  }
  pending_item_ = std::string(text);
}

void ThrottledProgress::Show() { form_.Show(); }

void ThrottledProgress::Hide() {
  PaintPendingItem();
  form_.Hide();
}

void ThrottledProgress::PaintPendingItem() {
  if (!pending_item_) return;
  form_.ShowItem(*pending_item_);
  pending_item_.reset();
  last_paint_ = clock_();
}

}  // namespace acctgen
