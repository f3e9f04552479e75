#include "grantor/logic/login_maker.h"

#include <memory>
#include <string>

#include "runtime/text.h"

namespace grantor {

namespace {

// Provisional until the shared login library is linked in.
std::string Squeezed(std::string_view name) {
  std::string out;
  for (char c : rt::ToLower1252(name)) {
    if (c != ' ') out += c;
  }
  return out;
}

}  // namespace

LoginMaker MakeLoginMaker(LoginFormat format) {
  struct Numbering {
    std::string previous;
    int counter = 2;
  };
  auto numbering = std::make_shared<Numbering>();
  return [format, numbering](std::string_view surname,
                             std::string_view given) -> std::optional<std::string> {
    const std::string s = Squeezed(surname), g = Squeezed(given);
    std::string base;
    switch (format) {
      case LoginFormat::kSurnameDotFirstname:
        base = s + "." + g;
        break;
      case LoginFormat::kFirstnameDotSurname:
        base = g + "." + s;
        break;
      case LoginFormat::kSurnameInitial:
        base = s + g.substr(0, 1);
        break;
      case LoginFormat::kFirstnameSurname:
        base = g + s;
        break;
      case LoginFormat::kSurnameFirstname:
        base = s + g;
        break;
    }
    if (base == numbering->previous) return base + std::to_string(numbering->counter++);
    numbering->previous = base;
    numbering->counter = 2;
    return base;
  };
}

}  // namespace grantor
