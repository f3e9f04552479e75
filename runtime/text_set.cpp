#include "runtime/text_set.h"

#include <functional>
#include <utility>

namespace rt {
namespace {

constexpr std::size_t kSmallest = 16;

std::uint64_t HashOf(std::string_view text) { return std::hash<std::string_view>{}(text); }

// The smallest power of two that keeps `count` texts in at most half of the slots.
std::size_t SlotsFor(std::size_t count) {
  std::size_t slots = kSmallest;
  while (slots < count * 2) slots *= 2;
  return slots;
}

}  // namespace

TextSet::TextSet(std::size_t expected) : slots_(SlotsFor(expected)) {}

std::size_t TextSet::Find(std::string_view text, std::uint64_t hash) const {
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
    const Slot& slot = slots_[at];
    if (!slot.used || (slot.hash == hash && slot.text == text)) return at;
  }
}

void TextSet::Reserve(std::size_t expected) {
  if (SlotsFor(expected) > slots_.size()) Rehash(SlotsFor(expected));
}

bool TextSet::Insert(std::string_view text) {
  if ((size_ + 1) * 2 > slots_.size()) Rehash(slots_.size() * 2);
  const std::uint64_t hash = HashOf(text);
  Slot& slot = slots_[Find(text, hash)];
  if (slot.used) return false;
  slot.hash = hash;
  slot.used = true;
  slot.text = text;
  ++size_;
  return true;
}

bool TextSet::Contains(std::string_view text) const {
  return slots_[Find(text, HashOf(text))].used;
}

void TextSet::Rehash(std::size_t slots) {
  std::vector<Slot> old = std::exchange(slots_, std::vector<Slot>(slots));
  for (Slot& slot : old) {
    if (slot.used) slots_[Find(slot.text, slot.hash)] = std::move(slot);
  }
}

}  // namespace rt
