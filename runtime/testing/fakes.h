#pragma once
// Recording fakes of the platform interfaces, for tests.

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "runtime/clock.h"
#include "runtime/dialogs.h"
#include "runtime/random_source.h"
#include "runtime/shell.h"

namespace rt::testing {

struct ShownMessage {
  std::string text;
  std::string title;
  MessageIcon icon;
  bool operator==(const ShownMessage&) const = default;
};

struct AskedText {
  std::string prompt;
  std::string title;
  std::string default_answer;
  std::optional<TwipsPoint> position;
};

class RecordingDialogs : public Dialogs {
 public:
  void ShowMessage(std::string_view text, std::string_view title, MessageIcon icon) override;
  bool AskYesNo(std::string_view text, std::string_view title, MessageIcon icon) override;
  std::string AskText(std::string_view prompt, std::string_view title,
                      std::string_view default_answer, std::optional<TwipsPoint> position) override;

  // Answers for the coming input boxes, in order; an empty answer stands for Cancel.
  std::deque<std::string> answers;
  std::vector<ShownMessage> messages;
  // Answers for the coming Yes/No boxes, in order (true: Yes); with none left, No, the default.
  std::deque<bool> yes_no_answers;
  // The Yes/No boxes shown, apart from the OK boxes.
  std::vector<ShownMessage> yes_no_questions;
  std::vector<AskedText> questions;
  // Runs after each message or Yes/No box is recorded (a test can insert the floppy disk here).
  std::function<void(const ShownMessage&)> on_message;
};

struct StartedCommand {
  std::string command_line;
  WindowStyle style;
  bool operator==(const StartedCommand&) const = default;
};

class RecordingShell : public Shell {
 public:
  void Start(std::string_view command_line, WindowStyle style) override;
  long OpenDocument(std::string_view file) override;

  long open_result = 42;
  std::vector<StartedCommand> started;
  std::vector<std::string> opened;
};

class FixedClock : public Clock {
 public:
  explicit FixedClock(DateTime now) : now_(now) {}
  DateTime Now() override { return now_; }
  void Set(DateTime now) { now_ = now; }

 private:
  DateTime now_;
};

// Returns the given values in turn, cycling.
class SequenceRandom : public RandomSource {
 public:
  explicit SequenceRandom(std::vector<double> values) : values_(std::move(values)) {}
  double Next() override {
    const double value = values_[next_ % values_.size()];
    ++next_;
    return value;
  }

 private:
  std::vector<double> values_;
  std::size_t next_ = 0;
};

}  // namespace rt::testing
