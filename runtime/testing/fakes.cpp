#include "runtime/testing/fakes.h"

namespace rt::testing {

void RecordingDialogs::ShowMessage(std::string_view text, std::string_view title,
                                   MessageIcon icon) {
  messages.push_back({std::string(text), std::string(title), icon});
  if (on_message) on_message(messages.back());
}

bool RecordingDialogs::AskYesNo(std::string_view text, std::string_view title, MessageIcon icon) {
  yes_no_questions.push_back({std::string(text), std::string(title), icon});
  if (on_message) on_message(yes_no_questions.back());
  if (yes_no_answers.empty()) return false;
  const bool yes = yes_no_answers.front();
  yes_no_answers.pop_front();
  return yes;
}

std::string RecordingDialogs::AskText(std::string_view prompt, std::string_view title,
                                      std::string_view default_answer,
                                      std::optional<TwipsPoint> position) {
  questions.push_back(
      {std::string(prompt), std::string(title), std::string(default_answer), position});
  if (answers.empty()) return {};
  std::string answer = answers.front();
  answers.pop_front();
  return answer;
}

void RecordingShell::Start(std::string_view command_line, WindowStyle style) {
  started.push_back({std::string(command_line), style});
}

long RecordingShell::OpenDocument(std::string_view file) {
  opened.emplace_back(file);
  return open_result;
}

}  // namespace rt::testing
