#pragma once
// A set of texts for the tables of a run (a hundred thousand logins and account names): the
// texts live side by side in one array with their hash codes, so a look-up usually reads a
// single slot rather than following a chain of separately allocated nodes.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace rt {

class TextSet {
 public:
  // Makes room for about this many texts at once.
  explicit TextSet(std::size_t expected = 0);

  // Makes room for about this many texts at once rather than growing step by step.
  void Reserve(std::size_t expected);

  // Adds the text; false when it was there already.
  bool Insert(std::string_view text);
  bool Contains(std::string_view text) const;
  std::size_t size() const { return size_; }

 private:
  struct Slot {
    std::uint64_t hash = 0;
    bool used = false;
    std::string text;
  };

  // The slot that holds the text, or the free slot where it belongs (open addressing with
  // linear probing: the next slot, and the next, until the text or a free slot is found).
  std::size_t Find(std::string_view text, std::uint64_t hash) const;
  void Rehash(std::size_t slots);

  std::vector<Slot> slots_;  // a power of two in number, never more than half of them used
  std::size_t size_ = 0;
};

}  // namespace rt
