#include "exchange/WorkbookReader.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <map>

#include <pugixml.hpp>

#include "exchange/SheetNumbers.h"
#include "exchange/ZipMembers.h"
#include "util/Text.h"
#include "util/Catalog.h"
#include "util/StringTable.h"

namespace mirn {
namespace {

constexpr size_t kChunk = 1 << 16;
// Empty rows an OpenDocument sheet repeats to its end are not read out one by one; rows
// with content repeat at most this often.
constexpr long long kMaxRepeatedRows = 100000;

// The element's name without its namespace prefix.
const char* LocalName(const pugi::xml_node& node) {
  const char* name = node.name();
  const char* colon = std::strchr(name, ':');
  return colon ? colon + 1 : name;
}

bool Is(const pugi::xml_node& node, const char* local) { return std::strcmp(LocalName(node), local) == 0; }

// The attribute `local` in any namespace.
pugi::xml_attribute Attr(const pugi::xml_node& node, const char* local) {
  for (pugi::xml_attribute a : node.attributes()) {
    const char* name = a.name();
    const char* colon = std::strchr(name, ':');
    if (std::strcmp(colon ? colon + 1 : name, local) == 0) return a;
  }
  return {};
}

pugi::xml_document ParseXml(const std::string& text, const std::string& member) {
  pugi::xml_document doc;
  const auto result = doc.load_buffer(text.data(), text.size(), pugi::parse_default | pugi::parse_ws_pcdata_single,
                                      pugi::encoding_utf8);
  if (!result) {
    throw std::runtime_error(
        FormatString(TrUtf8("WorkbookReader", "%1 is not well-formed XML: %2"), {member, result.description()}));
  }
  return doc;
}

// Text of all <t> elements under `node`, phonetic runs (<rPh>) left out.
void CollectText(const pugi::xml_node& node, std::string& out) {
  for (pugi::xml_node child : node.children()) {
    if (child.type() != pugi::node_element) continue;
    if (Is(child, "rPh")) continue;
    if (Is(child, "t")) out += child.text().get();
    else CollectText(child, out);
  }
}

// "B12" -> column 2 (1-based); 0 when there are no letters.
size_t ColumnOfReference(const char* reference) {
  size_t column = 0;
  for (const char* p = reference; *p >= 'A' && *p <= 'Z'; ++p) {
    column = column * 26 + static_cast<size_t>(*p - 'A' + 1);
    if (column > 1u << 20) return column;
  }
  return column;
}

std::string BeyondTheLastColumn(const std::string& where) {
  return FormatString(TrUtf8("WorkbookReader", "%1: beyond the last column a sheet may have"), {where});
}

std::string Where(const std::wstring& file, const std::wstring& sheet, long long row, size_t column) {
  // Row and column numbers as the sheet names them, without groups.
  const std::string name = ToUtf8(file), sheetName = ToUtf8(sheet), rowNumber = std::to_string(row),
                    columnName = ToUtf8(ColumnLetters(column));
  if (row > 0 && column > 0) {
    return FormatString(TrUtf8("WorkbookReader", "%1: sheet %2, row %3, column %4"), {name, sheetName, rowNumber, columnName});
  }
  if (row > 0) return FormatString(TrUtf8("WorkbookReader", "%1: sheet %2, row %3"), {name, sheetName, rowNumber});
  if (column > 0) return FormatString(TrUtf8("WorkbookReader", "%1: sheet %2, column %3"), {name, sheetName, columnName});
  return FormatString(TrUtf8("WorkbookReader", "%1: sheet %2"), {name, sheetName});
}

// The elements named `element` of one zip member, one after the other, read in pieces: the
// buffer holds about one piece, so a member of any size needs little memory. The prefix of
// the element's name ("x:" in some writers) is taken from the first `container` element.
class ElementStream {
 public:
  ElementStream(ZipMembers& zip, const std::string& member, std::uint64_t limit, std::string container,
                std::string element)
      : stream_(zip, member, limit), container_(std::move(container)), element_(std::move(element)) {}

  // The next whole element's XML; false at the member's end.
  bool Next(std::string_view& xml) {
    while (true) {
      size_t start = 0, end = 0;
      if (Find(start, end)) {
        xml = std::string_view(buffer_).substr(start, end - start);
        pos_ = end;
        return true;
      }
      if (done_) return false;
      // What was read is dropped before more is read.
      if (pos_ != 0) {
        buffer_.erase(0, pos_);
        pos_ = 0;
      }
      if (stream_.ReadInto(buffer_, kChunk) == 0) {
        done_ = true;
      } else if (open_.empty()) {
        FindPrefix();
      }
    }
  }

 private:
  void FindPrefix() {
    const size_t at = buffer_.find(container_);
    if (at == std::string::npos) return;
    const size_t lt = buffer_.rfind('<', at);
    if (lt == std::string::npos) return;
    const std::string prefix = buffer_.substr(lt + 1, at - lt - 1);
    open_ = "<" + prefix + element_;
    close_ = "</" + prefix + element_ + ">";
  }

  bool Find(size_t& start, size_t& end) {
    if (open_.empty()) return false;
    size_t at = pos_;
    while (true) {
      at = buffer_.find(open_, at);
      if (at == std::string::npos || at + open_.size() >= buffer_.size()) return false;
      const char after = buffer_[at + open_.size()];
      if (after == ' ' || after == '>' || after == '/' || after == '\t' || after == '\r' || after == '\n') break;
      at += open_.size();
    }
    const size_t gt = buffer_.find('>', at);
    if (gt == std::string::npos) return false;
    start = at;
    if (buffer_[gt - 1] == '/') {
      end = gt + 1;
      return true;
    }
    const size_t finish = buffer_.find(close_, gt);
    if (finish == std::string::npos) return false;
    end = finish + close_.size();
    return true;
  }

  ZipMembers::Stream stream_;
  std::string container_, element_;
  std::string buffer_;
  size_t pos_ = 0;  // where the elements not yet read start in buffer_
  std::string open_, close_;
  bool done_ = false;
};

// A workbook's rows, whichever format holds them.
class WorkbookRows : public RowSource {
 public:
  std::vector<std::wstring> sheetNames;
};

// --- Office Open XML -----------------------------------------------------------------

class XlsxRows final : public WorkbookRows {
 public:
  XlsxRows(std::string bytes, std::wstring file, const std::wstring& sheet, const WorkbookLimits& limits)
      : bytes_(std::move(bytes)), file_(std::move(file)), limits_(limits) {
    zip_ = std::make_unique<ZipMembers>(bytes_, limits.totalBytes);
    if (zip_->Has("xl/vbaProject.bin"))
      throw std::runtime_error(TrUtf8("WorkbookReader", "a workbook with macros; save it as an .xlsx workbook without macros"));
    FindSheet(sheet);
    if (zip_->Has("xl/sharedStrings.xml")) ReadSharedStrings();
    if (zip_->Has("xl/styles.xml")) ReadStyles();
    Restart();
  }

  bool Next(std::vector<std::wstring>& cells, long long& row) override {
    try {
      return ReadRow(cells, row);
    } catch (const WorkbookError&) {
      throw;
    } catch (const std::runtime_error& e) {
      throw WorkbookError(Named(e.what()));
    }
  }

  void Rewind() override {
    try {
      Restart();
    } catch (const std::runtime_error& e) {
      throw WorkbookError(Named(e.what()));
    }
  }

 private:
  std::string Named(const std::string& what) const {
    const std::string file = ToUtf8(file_);
    return what.rfind(file, 0) == 0 ? what : file + ": " + what;
  }

  bool ReadRow(std::vector<std::wstring>& cells, long long& row) {
    std::string_view xml;
    if (!rows_->Next(xml)) return false;
    ParseRow(xml, cells, row);
    return true;
  }

  void Restart() {
    rows_.reset();
    rows_ = std::make_unique<ElementStream>(*zip_, sheetMember_, limits_.memberBytes, "sheetData", "row");
    lastRow_ = 0;
  }

  void FindSheet(const std::wstring& wanted) {
    const pugi::xml_document book = ParseXml(zip_->Read("xl/workbook.xml", limits_.smallMemberBytes), "xl/workbook.xml");
    std::map<std::string, std::string> targets;
    if (zip_->Has("xl/_rels/workbook.xml.rels")) {
      const pugi::xml_document rels =
          ParseXml(zip_->Read("xl/_rels/workbook.xml.rels", limits_.smallMemberBytes), "xl/_rels/workbook.xml.rels");
      for (pugi::xml_node r : rels.document_element().children())
        if (Is(r, "Relationship")) targets[r.attribute("Id").value()] = r.attribute("Target").value();
    }
    std::string chosenId;
    size_t index = 0;
    for (pugi::xml_node sheets : book.document_element().children()) {
      if (!Is(sheets, "sheets")) continue;
      for (pugi::xml_node s : sheets.children()) {
        if (!Is(s, "sheet")) continue;
        ++index;
        const std::wstring name = FromUtf8(s.attribute("name").value());
        sheetNames.push_back(name);
        if (chosenId.empty() && (wanted.empty() || EqualsNoCase(name, wanted))) {
          chosenId = Attr(s, "id").value();
          sheet_ = name;
          if (chosenId.empty()) chosenId = "#" + std::to_string(index);
        }
      }
    }
    if (chosenId.empty()) {
      if (wanted.empty()) throw std::runtime_error(TrUtf8("WorkbookReader", "the workbook has no sheet"));
      std::string names;
      for (const auto& n : sheetNames) names += (names.empty() ? "" : ", ") + ToUtf8(n);
      throw std::runtime_error(FormatString(TrUtf8("WorkbookReader", "no sheet is named %1 (the sheets: %2)"), {ToUtf8(wanted), names}));
    }
    std::string target = targets.count(chosenId) ? targets[chosenId] : "worksheets/sheet" + std::to_string(index) + ".xml";
    sheetMember_ = target.rfind("/", 0) == 0 ? target.substr(1) : "xl/" + target;
    if (!zip_->Has(sheetMember_)) {
      throw std::runtime_error(FormatString(TrUtf8("WorkbookReader", "the sheet's part %1 is missing"), {sheetMember_}));
    }
  }

  // Read one <si> at a time, as a large sheet's strings are many.
  void ReadSharedStrings() {
    ElementStream strings(*zip_, "xl/sharedStrings.xml", limits_.memberBytes, "sst", "si");
    std::string_view xml;
    pugi::xml_document doc;
    while (strings.Next(xml)) {
      if (!doc.load_buffer(xml.data(), xml.size(), pugi::parse_default | pugi::parse_ws_pcdata_single,
                           pugi::encoding_utf8))
        throw std::runtime_error(FormatString(TrUtf8("WorkbookReader", "%1: string %2 is damaged"),
                                              {"xl/sharedStrings.xml", std::to_string(shared_.size())}));
      std::string text;
      CollectText(doc.first_child(), text);
      shared_.push_back(std::move(text));
    }
  }

  void ReadStyles() {
    const pugi::xml_document doc = ParseXml(zip_->Read("xl/styles.xml", limits_.smallMemberBytes), "xl/styles.xml");
    std::map<int, std::string> codes;
    for (pugi::xml_node part : doc.document_element().children()) {
      if (Is(part, "numFmts")) {
        for (pugi::xml_node f : part.children())
          if (Is(f, "numFmt")) codes[f.attribute("numFmtId").as_int()] = f.attribute("formatCode").value();
      }
    }
    for (pugi::xml_node part : doc.document_element().children()) {
      if (!Is(part, "cellXfs")) continue;
      for (pugi::xml_node xf : part.children()) {
        if (!Is(xf, "xf")) continue;
        const int id = xf.attribute("numFmtId").as_int();
        const auto code = codes.find(id);
        dateFormats_.push_back(DateFormatOf(id, code == codes.end() ? std::string_view() : code->second));
      }
    }
  }

  void ParseRow(std::string_view xml, std::vector<std::wstring>& cells, long long& row) {
    pugi::xml_document doc;
    if (!doc.load_buffer(xml.data(), xml.size(), pugi::parse_default | pugi::parse_ws_pcdata_single,
                         pugi::encoding_utf8))
      throw std::runtime_error(
          FormatString(TrUtf8("WorkbookReader", "%1: the row's XML is damaged"), {Where(file_, sheet_, lastRow_ + 1, 0)}));
    const pugi::xml_node r = doc.first_child();
    row = r.attribute("r").as_llong(lastRow_ + 1);
    if (row <= lastRow_) row = lastRow_ + 1;
    lastRow_ = row;
    cells.clear();
    size_t column = 0;
    for (pugi::xml_node c : r.children()) {
      if (!Is(c, "c")) continue;
      const size_t named = ColumnOfReference(c.attribute("r").value());
      column = named != 0 ? named : column + 1;
      if (column > limits_.columns)
        throw std::runtime_error(BeyondTheLastColumn(Where(file_, sheet_, row, column)));
      std::wstring text = CellText(c, row, column);
      if (text.empty()) continue;
      if (cells.size() < column) cells.resize(column);
      cells[column - 1] = std::move(text);
    }
  }

  std::wstring CellText(const pugi::xml_node& c, long long row, size_t column) {
    const std::string type = c.attribute("t").value();
    pugi::xml_node v;
    for (pugi::xml_node child : c.children())
      if (Is(child, "v")) v = child;
    if (type == "inlineStr") {
      std::string text;
      for (pugi::xml_node child : c.children())
        if (Is(child, "is")) CollectText(child, text);
      return FromUtf8(text);
    }
    const char* value = v.text().get();
    if (type == "s") {
      char* end = nullptr;
      const unsigned long index = std::strtoul(value, &end, 10);
      if (end == value || index >= shared_.size())
        throw std::runtime_error(FormatString(TrUtf8("WorkbookReader", "%1: names a shared string that is not there"),
                                              {Where(file_, sheet_, row, column)}));
      return FromUtf8(shared_[index]);
    }
    if (type == "str" || type == "e" || type == "d") return FromUtf8(value);
    if (type == "b") return std::strcmp(value, "1") == 0 ? L"TRUE" : L"FALSE";
    if (*value == '\0') return {};
    char* end = nullptr;
    const double number = std::strtod(value, &end);
    if (end == value) return FromUtf8(value);
    const long style = c.attribute("s").as_int(0);
    if (style >= 0 && static_cast<size_t>(style) < dateFormats_.size() && dateFormats_[style])
      return FormatDate(number, *dateFormats_[style]);
    return NumberText(number);
  }

  std::string bytes_;
  std::wstring file_;
  WorkbookLimits limits_;
  std::unique_ptr<ZipMembers> zip_;
  std::wstring sheet_;
  std::string sheetMember_;
  std::vector<std::string> shared_;  // UTF-8: most are short enough to need no heap
  std::vector<std::optional<std::string>> dateFormats_;  // by cell style index
  std::unique_ptr<ElementStream> rows_;
  long long lastRow_ = 0;
};

// --- OpenDocument ----------------------------------------------------------------------

// The text of a cell's paragraphs: spaces (<text:s text:c="N"/>), tabs and line breaks
// spelt out, paragraphs joined by line feeds.
void ParagraphText(const pugi::xml_node& node, std::string& out) {
  for (pugi::xml_node child : node.children()) {
    if (child.type() == pugi::node_pcdata) {
      out += child.value();
    } else if (child.type() == pugi::node_element) {
      if (Is(child, "s")) out.append(static_cast<size_t>(std::clamp(Attr(child, "c").as_int(1), 1, 1000)), ' ');
      else if (Is(child, "tab")) out += '\t';
      else if (Is(child, "line-break")) out += '\n';
      else if (!Is(child, "annotation")) ParagraphText(child, out);
    }
  }
}

class OdsRows final : public WorkbookRows {
 public:
  OdsRows(const std::string& bytes, const std::wstring& file, const std::wstring& wanted, const WorkbookLimits& limits)
      : file_(file), limits_(limits) {
    ZipMembers zip(bytes, limits.totalBytes);
    if (zip.Has("META-INF/manifest.xml")) {
      const std::string manifest = zip.Read("META-INF/manifest.xml", limits.smallMemberBytes);
      if (manifest.find("encryption-data") != std::string::npos)
        throw std::runtime_error(TrUtf8("WorkbookReader", "the spreadsheet is protected by a password; save it without one"));
    }
    if (zip.Has("Basic/script-lc.xml") || zip.Has("Scripts/"))
      throw std::runtime_error(TrUtf8("WorkbookReader", "a spreadsheet with macros; save it without macros"));
    const pugi::xml_document doc = ParseXml(zip.Read("content.xml", limits.smallMemberBytes), "content.xml");
    pugi::xml_node chosen;
    for (pugi::xml_node body : doc.document_element().children()) {
      if (!Is(body, "body")) continue;
      for (pugi::xml_node sheetSet : body.children()) {
        if (!Is(sheetSet, "spreadsheet")) continue;
        for (pugi::xml_node table : sheetSet.children()) {
          if (!Is(table, "table")) continue;
          const std::wstring name = FromUtf8(Attr(table, "name").value());
          sheetNames.push_back(name);
          if (!chosen && (wanted.empty() || EqualsNoCase(name, wanted))) {
            chosen = table;
            sheet_ = name;
          }
        }
      }
    }
    if (!chosen) {
      if (wanted.empty()) throw std::runtime_error(TrUtf8("WorkbookReader", "the spreadsheet has no sheet"));
      throw std::runtime_error(FormatString(TrUtf8("WorkbookReader", "no sheet is named %1"), {ToUtf8(wanted)}));
    }
    long long row = 0;
    ReadRows(chosen, row);
  }

  bool Next(std::vector<std::wstring>& cells, long long& row) override {
    if (next_ >= rows_.size()) return false;
    row = rows_[next_].first;
    cells = rows_[next_].second;
    ++next_;
    return true;
  }
  void Rewind() override { next_ = 0; }

 private:
  void ReadRows(const pugi::xml_node& parent, long long& row) {
    for (pugi::xml_node node : parent.children()) {
      if (node.type() != pugi::node_element) continue;
      if (Is(node, "table-row")) {
        const long long repeat = std::max(1ll, Attr(node, "number-rows-repeated").as_llong(1));
        std::vector<std::wstring> cells = ReadCells(node, row + 1);
        const bool empty = cells.empty();
        for (long long k = 0; k < repeat; ++k) {
          ++row;
          if (empty) {
            row += repeat - 1;  // blank rows to the sheet's end are only counted
            break;
          }
          if (k >= kMaxRepeatedRows) {
            row += repeat - k - 1;
            break;
          }
          rows_.emplace_back(row, cells);
        }
      } else if (Is(node, "table-header-rows") || Is(node, "table-row-group") || Is(node, "table-rows")) {
        ReadRows(node, row);
      }
    }
  }

  std::vector<std::wstring> ReadCells(const pugi::xml_node& rowNode, long long row) {
    std::vector<std::wstring> cells;
    size_t column = 0;
    for (pugi::xml_node c : rowNode.children()) {
      if (!Is(c, "table-cell") && !Is(c, "covered-table-cell")) continue;
      const size_t repeat = static_cast<size_t>(std::max(1ll, Attr(c, "number-columns-repeated").as_llong(1)));
      std::wstring text = CellText(c);
      if (text.empty()) {
        column += std::min(repeat, limits_.columns + 1);
        continue;
      }
      if (column + repeat > limits_.columns)
        throw std::runtime_error(BeyondTheLastColumn(Where(file_, sheet_, row, column + 1)));
      cells.resize(column, std::wstring());
      for (size_t k = 0; k < repeat; ++k) cells.push_back(text);
      column += repeat;
    }
    return cells;
  }

  static std::wstring CellText(const pugi::xml_node& c) {
    const std::string type = Attr(c, "value-type").value();
    if (type == "float" || type == "currency" || type == "percentage") {
      if (const pugi::xml_attribute value = Attr(c, "value")) return NumberText(value.as_double());
    }
    std::string text;
    bool first = true;
    for (pugi::xml_node p : c.children()) {
      if (!Is(p, "p")) continue;
      if (!first) text += '\n';
      first = false;
      ParagraphText(p, text);
    }
    return FromUtf8(text);
  }

  std::wstring file_;
  std::wstring sheet_;
  WorkbookLimits limits_;
  std::vector<std::pair<long long, std::vector<std::wstring>>> rows_;
  size_t next_ = 0;
};

}  // namespace

WorkbookKind WorkbookKindOf(const std::filesystem::path& path) {
  const std::wstring ext = ToLower(FromPath(path.extension()));
  if (ext == L".xlsx" || ext == L".xlsm") return WorkbookKind::kXlsx;
  if (ext == L".ods") return WorkbookKind::kOds;
  return WorkbookKind::kNone;
}

std::wstring ColumnLetters(size_t column) {
  std::wstring letters;
  while (column > 0) {
    --column;
    letters.insert(letters.begin(), static_cast<wchar_t>(L'A' + column % 26));
    column /= 26;
  }
  return letters;
}

std::unique_ptr<RowSource> OpenWorkbook(std::string bytes, const std::wstring& name, const std::wstring& sheet,
                                        const WorkbookLimits& limits) {
  const std::string file = ToUtf8(name);
  if (bytes.compare(0, 4, "\xD0\xCF\x11\xE0") == 0)
    throw WorkbookError(FormatString(
        TrUtf8("WorkbookReader", "%1: an encrypted workbook or an old .xls file; save it as .xlsx without a password"), {file}));
  try {
    ZipMembers probe(bytes, limits.totalBytes);
    if (probe.Has("xl/workbook.xml")) return std::make_unique<XlsxRows>(std::move(bytes), name, sheet, limits);
    if (probe.Has("content.xml")) return std::make_unique<OdsRows>(bytes, name, sheet, limits);
  } catch (const WorkbookError&) {
    throw;
  } catch (const NotAZipFile&) {
    throw WorkbookError(FormatString(TrUtf8("WorkbookReader", "%1: not a workbook (.xlsx or .ods)"), {file}));
  } catch (const std::runtime_error& e) {
    const std::string what = e.what();
    if (what.rfind(file, 0) == 0) throw WorkbookError(what);
    throw WorkbookError(file + ": " + what);
  }
  throw WorkbookError(FormatString(TrUtf8("WorkbookReader", "%1: not a workbook (.xlsx or .ods): it holds no sheets"), {file}));
}

std::vector<std::wstring> WorkbookSheetNames(const RowSource& workbook) {
  if (const auto* rows = dynamic_cast<const WorkbookRows*>(&workbook)) return rows->sheetNames;
  return {};
}

}  // namespace mirn
