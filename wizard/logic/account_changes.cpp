#include "wizard/logic/account_changes.h"

#include "runtime/text.h"

namespace wizard {

namespace {

// Leaves the text after a value's leading spaces, and without trailing ones.
std::string_view Unpadded(std::string_view value) {
  const std::size_t start = value.find_first_not_of(' ');
  if (start == std::string_view::npos) return {};
  return value.substr(start, value.find_last_not_of(' ') - start + 1);
}

int Base64Digit(char c) {
  if (c >= 'A' && c <= 'Z') return c - 'A';
  if (c >= 'a' && c <= 'z') return c - 'a' + 26;
  if (c >= '0' && c <= '9') return c - '0' + 52;
  if (c == '+') return 62;
  if (c == '/') return 63;
  return -1;
}

}  // namespace

std::string DecodeBase64(std::string_view text) {
  std::string bytes;
  std::uint32_t group = 0;
  int bits = 0;
  for (char c : text) {
    if (c == '=') break;
    const int digit = Base64Digit(c);
    if (digit < 0) continue;
    group = (group << 6) | static_cast<std::uint32_t>(digit);
    bits += 6;
    if (bits >= 8) {
      bits -= 8;
      bytes += static_cast<char>((group >> bits) & 0xFF);
    }
  }
  return bytes;
}

void LdifChangeCounter::Line(std::string_view line) {
  if (!line.empty() && line.front() == ' ') {
    // A folded line goes on after its first space; a comment may be folded too.
    if (!in_comment_ && !logical_.empty()) logical_.append(line.substr(1));
    return;
  }
  EndLogicalLine();
  if (line.empty()) {
    EndEntry();
  } else if (line.front() == '#') {
    in_comment_ = true;
  } else {
    logical_.assign(line);
  }
}

void LdifChangeCounter::EndLogicalLine() {
  if (!logical_.empty()) TakeAttribute(logical_);
  logical_.clear();
  in_comment_ = false;
}

void LdifChangeCounter::TakeAttribute(std::string_view line) {
  const std::size_t colon = line.find(':');
  if (colon == std::string_view::npos) return;
  // An attribute's options ("newSuperior;x") do not change which attribute it is.
  std::string_view name = line.substr(0, colon);
  name = name.substr(0, name.find(';'));
  const std::string_view rest = line.substr(colon + 1);
  std::string value;
  if (!rest.empty() && rest.front() == ':') {
    value = DecodeBase64(rest.substr(1));
  } else if (!rest.empty() && rest.front() == '<') {
    // A value read from a URL is not at hand; it counts as empty.
  } else {
    value = rest;
  }
  if (rt::EqualsIgnoreCase1252(name, "changetype")) {
    changetype_ = rt::ToLower1252(Unpadded(value));
  } else if (rt::EqualsIgnoreCase1252(name, "objectClass")) {
    user_ = user_ || rt::EqualsIgnoreCase1252(Unpadded(value), "user");
  } else if (rt::EqualsIgnoreCase1252(name, "newSuperior")) {
    has_new_superior_ = true;
    into_leavers_ = rt::ToLower1252(value).find("ou=leavers,") != std::string::npos;
  }
}

void LdifChangeCounter::EndEntry() {
  if (changetype_ == "add") {
    if (user_) ++changes_.added;
  } else if (changetype_ == "delete") {
    ++changes_.deleted;
  } else if ((changetype_ == "modrdn" || changetype_ == "moddn") && has_new_superior_) {
    ++(into_leavers_ ? changes_.disabled : changes_.returning);
  }
  changetype_.clear();
  user_ = false;
  has_new_superior_ = false;
  into_leavers_ = false;
}

AccountChanges LdifChangeCounter::Finish() {
  EndLogicalLine();
  EndEntry();
  return changes_;
}

AccountChanges CountLdifChanges(rt::Files& files, std::string_view path) {
  const rt::FileNumber file = files.OpenInput(path);
  LdifChangeCounter counter;
  std::string line;
  while (!files.AtEnd(file)) {
    files.LineInput(file, line);
    counter.Line(line);
  }
  files.Close(file);
  return counter.Finish();
}

std::int64_t CountAccountDeletes(rt::Files& files, std::string_view path) {
  constexpr std::string_view kDeleteCommand = "NET USER /delete ";
  const rt::FileNumber file = files.OpenInput(path);
  std::int64_t deletes = 0;
  std::string line;
  while (!files.AtEnd(file)) {
    files.LineInput(file, line);
    const std::size_t start = line.find_first_not_of(" \t@");
    if (start != std::string::npos &&
        rt::EqualsIgnoreCase1252(std::string_view(line).substr(start, kDeleteCommand.size()),
                                 kDeleteCommand)) {
      ++deletes;
    }
  }
  files.Close(file);
  return deletes;
}

}  // namespace wizard
