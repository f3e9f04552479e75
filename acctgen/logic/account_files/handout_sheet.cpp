#include "acctgen/logic/account_files/handout_sheet.h"

#include <algorithm>
#include <map>

#include "runtime/text.h"

namespace acctgen {

namespace {

constexpr const char* kMonths[] = {"January",   "February", "March",    "April",
                                   "May",       "June",     "July",     "August",
                                   "September", "October",  "November", "December"};

std::string DateText(const rt::DateTime& date) {
  const int month = std::clamp(date.month, 1, 12);
  return std::to_string(date.day) + " " + kMonths[month - 1] + " " + std::to_string(date.year);
}

// A name as a class list orders it: case and spaces aside ("Dean" before "de Vries").
std::string SortKey(std::string_view name) {
  std::string key;
  key.reserve(name.size());
  for (char c : name) {
    if (c == ' ') continue;
    // Plain ASCII, the common case, without the look-up in the Windows-1252 table.
    if (static_cast<unsigned char>(c) < 0x80) {
      key.push_back(c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c);
    } else {
      key.push_back(rt::ToLower1252(c));
    }
  }
  return key;
}

// A row to sort, with its keys made once: a sort compares each row many times.
struct SortedRow {
  std::string surname_key;
  std::string name_key;
  const HandoutEntry* entry;
};

// Exact bytes break ties, so the order never depends on anything but the names.
// Each text is compared once: compare() gives equal, before and after in one pass.
bool ComesBefore(const SortedRow* a, const SortedRow* b) {
  if (const int order = a->surname_key.compare(b->surname_key); order != 0) return order < 0;
  if (const int order = a->name_key.compare(b->name_key); order != 0) return order < 0;
  if (const int order = a->entry->Surname.compare(b->entry->Surname); order != 0) return order < 0;
  return a->entry->PreferredName < b->entry->PreferredName;
}

std::string_view EntityFor(char c) {
  switch (c) {
    case '&':
      return "&amp;";
    case '<':
      return "&lt;";
    case '>':
      return "&gt;";
    case '"':
      return "&quot;";
    case '\'':
      return "&#39;";
    default:
      return {};
  }
}

bool NeedsEntity(char c) { return c == '&' || c == '<' || c == '>' || c == '"' || c == '\''; }

void AppendEscaped(std::string& out, std::string_view text) {
  // Runs without a special character go in whole.
  std::size_t run = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!NeedsEntity(text[i])) continue;
    out.append(text.substr(run, i - run)).append(EntityFor(text[i]));
    run = i + 1;
  }
  out.append(text.substr(run));
}

constexpr std::string_view kStyle =
    "body{font-family:Arial,Helvetica,sans-serif;font-size:11pt;margin:1.5cm;color:#000}\r\n"
    "h1{font-size:16pt;margin:0 0 4pt 0}\r\n"
    "p.run{margin:0 0 12pt 0;color:#333}\r\n"
    "section.class{break-before:page;page-break-before:always}\r\n"
    "section.class:first-of-type{break-before:auto;page-break-before:auto}\r\n"
    "h2{font-size:14pt;margin:12pt 0 6pt 0}\r\n"
    "table{border-collapse:collapse;width:100%;table-layout:fixed}\r\n"
    "col.student{width:23%}col.login{width:25%}col.password{width:11%}col.home{width:41%}\r\n"
    "th,td{border:1px solid #666;padding:6pt 8pt;text-align:left;vertical-align:top}\r\n"
    "th{background:#e8e8e8}\r\n"
    "td.secret{font-family:'Courier New',monospace;font-size:11pt;white-space:nowrap}\r\n"
    "td.home{overflow-wrap:anywhere;font-size:9pt}\r\n"
    "tr{break-inside:avoid;page-break-inside:avoid}\r\n";

}  // namespace

std::string EscapeHtml(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  AppendEscaped(out, text);
  return out;
}

std::string RenderHandoutSheet(std::string_view domain, const rt::DateTime& date,
                               const std::vector<HandoutEntry>& entries) {
  const std::string crlf = "\r\n";
  std::string page;
  // About two hundred bytes a row, so the page is sized up front and seldom grows.
  page.reserve(4096 + entries.size() * 200);
  page += "<!DOCTYPE html>" + crlf;
  page += "<html lang=\"en\">" + crlf;
  page += "<head>" + crlf;
  page += "<meta charset=\"windows-1252\">" + crlf;
  page += "<title>New student accounts for " + EscapeHtml(domain) + "</title>" + crlf;
  page += "<style>" + crlf;
  page += kStyle;
  page += "</style>" + crlf;
  page += "</head>" + crlf;
  page += "<body>" + crlf;
  page += "<h1>New student accounts for " + EscapeHtml(domain) + "</h1>" + crlf;
  const std::string count = std::to_string(entries.size());
  page += "<p class=\"run\">Created " + DateText(date) + ": " + count +
          (entries.size() == 1 ? " new account." : " new accounts.") +
          " Give each student his or her own login and password; keep this sheet safe and "
          "destroy it once handed out.</p>" +
          crlf;

  if (entries.empty()) {
    page += "<p>No new accounts were created in this run.</p>" + crlf;
  } else {
    // Sorted by pointer: the rows and their keys stay where they are.
    std::vector<SortedRow> rows;
    rows.reserve(entries.size());
    for (const HandoutEntry& entry : entries) {
      rows.push_back({SortKey(entry.Surname), SortKey(entry.PreferredName), &entry});
    }
    std::map<std::string_view, std::vector<const SortedRow*>> classes;
    for (const SortedRow& row : rows) classes[row.entry->RollClass].push_back(&row);
    for (auto& [roll_class, students] : classes) {
      std::stable_sort(students.begin(), students.end(), ComesBefore);
      page += "<section class=\"class\">" + crlf;
      page += "<h2>Roll class " + EscapeHtml(roll_class) + "</h2>" + crlf;
      page += "<table>" + crlf;
      page +=
          "<col class=\"student\"><col class=\"login\"><col class=\"password\">"
          "<col class=\"home\">" +
          crlf;
      page += "<tr><th>Student</th><th>Login</th><th>Password</th><th>Home folder</th></tr>" + crlf;
      for (const SortedRow* row : students) {
        const HandoutEntry& student = *row->entry;
        page += "<tr><td>";
        AppendEscaped(page, student.DisplayName);
        page += "</td><td class=\"secret\">";
        AppendEscaped(page, student.Login);
        page += "</td><td class=\"secret\">";
        AppendEscaped(page, student.Password);
        page += "</td><td class=\"home\">";
        AppendEscaped(page, student.HomeDrive);
        page += ' ';
        AppendEscaped(page, student.HomePath);
        page += "</td></tr>\r\n";
      }
      page += "</table>" + crlf;
      page += "</section>" + crlf;
    }
  }
  page += "</body>" + crlf;
  page += "</html>" + crlf;
  return page;
}

void WriteHandoutSheet(rt::Files& files, std::string_view domain, const rt::DateTime& date,
                       const std::vector<HandoutEntry>& entries) {
  const rt::FileNumber sheet = files.OpenOutput(kHandoutPath);
  files.Print(sheet, RenderHandoutSheet(domain, date, entries));
  files.Close(sheet);
}

}  // namespace acctgen
