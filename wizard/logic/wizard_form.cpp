#include "wizard/logic/wizard_form.h"

namespace wizard {

const ButtonSpec* FindButton(int id) {
  for (const ButtonSpec& button : kButtons) {
    if (button.id == id) return &button;
  }
  return nullptr;
}

}  // namespace wizard
