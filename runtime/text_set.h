#pragma once
// A set of texts for the tables of a run (a hundred thousand logins and account names): robin
// hood hashing keeps the texts side by side with their hash codes, so a look-up usually reads a
// single slot, and a text is found by a string_view without building a string.

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "tsl/robin_set.h"

namespace rt {

struct TextHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view text) const {
    return std::hash<std::string_view>{}(text);
  }
};

using TextSet = tsl::robin_set<std::string, TextHash, std::equal_to<>, std::allocator<std::string>,
                               /*StoreHash=*/true>;

}  // namespace rt
