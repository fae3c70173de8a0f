#include "cli/CommandReference.h"

#include <sstream>

namespace mirn::cli {
namespace {

// A table cell as plain text: "\|" is a bar, code marks go.
std::string PlainCell(std::string_view cell) {
  std::string out;
  for (size_t i = 0; i < cell.size(); ++i) {
    if (cell[i] == '\\' && i + 1 < cell.size() && cell[i + 1] == '|') continue;
    if (cell[i] == '`') continue;
    out += cell[i];
  }
  const size_t first = out.find_first_not_of(' ');
  const size_t last = out.find_last_not_of(' ');
  return first == std::string::npos ? std::string() : out.substr(first, last - first + 1);
}

// The cells of a table line "| a | b |", split at bars that are not escaped.
std::vector<std::string_view> Cells(std::string_view line) {
  std::vector<std::string_view> cells;
  size_t start = 1;
  for (size_t i = 1; i < line.size(); ++i) {
    if (line[i] == '|' && line[i - 1] != '\\') {
      cells.push_back(line.substr(start, i - start));
      start = i + 1;
    }
  }
  return cells;
}

}  // namespace

std::vector<ReferenceRow> ReferenceRows(std::string_view markdown) {
  std::vector<ReferenceRow> rows;
  std::istringstream lines{std::string(markdown)};
  std::string line;
  bool inTable = false;
  while (std::getline(lines, line)) {
    if (line.rfind('|', 0) != 0) {
      if (inTable) break;
      continue;
    }
    inTable = true;
    const auto cells = Cells(line);
    if (cells.size() < 2) continue;
    const std::string_view call = cells[0];
    const size_t tick = call.find('`');
    if (tick == std::string_view::npos) continue;  // the header and its rule
    // The table has two columns: a bar the text forgot to escape is part of the text, not the
    // end of it.
    std::string text(cells[1]);
    for (size_t i = 2; i < cells.size(); ++i) text += "|" + std::string(cells[i]);
    rows.push_back({PlainCell(call), PlainCell(text)});
  }
  return rows;
}

std::vector<ReferenceRow> RowsOfCommand(const std::vector<ReferenceRow>& rows, const std::string& command) {
  std::vector<ReferenceRow> found;
  for (const auto& row : rows) {
    if (row.call == command || row.call.rfind(command + ' ', 0) == 0) found.push_back(row);
  }
  return found;
}

std::vector<ReferenceRow> TranslatedRowsOfCommand(const std::string& command, std::string_view translatedFile,
                                                  ReferenceFiles files) {
  std::vector<ReferenceRow> rows = RowsOfCommand(ReferenceRows(files("cli.md")), command);
  const std::vector<ReferenceRow> translated = RowsOfCommand(ReferenceRows(files(translatedFile)), command);
  for (auto& row : rows) {
    for (const auto& other : translated) {
      if (other.call == row.call) {
        row.text = other.text;
        break;
      }
    }
  }
  return rows;
}

std::string WrapText(const std::string& text, size_t width, const std::string& indent) {
  std::istringstream words(text);
  std::string word, out, line;
  while (words >> word) {
    if (!line.empty() && indent.size() + line.size() + 1 + word.size() > width) {
      out += indent + line + '\n';
      line.clear();
    }
    line += (line.empty() ? "" : " ") + word;
  }
  if (!line.empty()) out += indent + line + '\n';
  return out;
}

}  // namespace mirn::cli
