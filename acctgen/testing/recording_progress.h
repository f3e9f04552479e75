#pragma once
// A progress form for tests: remembers what each label showed and whether it is visible.

#include <string>
#include <vector>

#include "acctgen/logic/startup/progress_sink.h"

namespace acctgen::testing {

class RecordingProgress : public ProgressSink {
 public:
  void ShowPhase(std::string_view text) override { phases.emplace_back(text); }
  void ShowItem(std::string_view text) override { items.emplace_back(text); }
  void Show() override {
    visible = true;
    ++shown;
  }
  void Hide() override { visible = false; }

  std::vector<std::string> phases;
  std::vector<std::string> items;
  bool visible = false;
  int shown = 0;
};

}  // namespace acctgen::testing
