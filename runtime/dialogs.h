#pragma once
// Message boxes (an OK button, or Yes and No for a question) and the input box.

#include <optional>
#include <string>
#include <string_view>

namespace rt {

enum class MessageIcon { kNone, kCritical, kWarning, kInformation };

// Where an input box stands, in twips from the top-left of the screen.
struct TwipsPoint {
  int x;
  int y;
};

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // Shows the text with an OK button and waits for OK.
  virtual void ShowMessage(std::string_view text, std::string_view title, MessageIcon icon) = 0;
  // Shows the text with Yes and No buttons, No the default (Enter answers No), and waits for
  // one; true for Yes.
  virtual bool AskYesNo(std::string_view text, std::string_view title, MessageIcon icon) = 0;
  // Asks for one line of text; returns it, or an empty text when the user cancels.
  virtual std::string AskText(std::string_view prompt, std::string_view title,
                              std::string_view default_answer,
                              std::optional<TwipsPoint> position = std::nullopt) = 0;
};

}  // namespace rt
