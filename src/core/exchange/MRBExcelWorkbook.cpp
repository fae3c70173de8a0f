#include "exchange/MRBExcelWorkbook.h"

#include <xlsxwriter.h>

#include <system_error>

#include "platform/SharedLibrary.h"
#include "util/Text.h"

namespace mirn {
namespace {

// libxlsxwriter, loaded with its first use (see SharedLibrary).
struct XlsxApi {
  decltype(&::workbook_new_opt) workbook_new_opt = nullptr;
  decltype(&::workbook_add_worksheet) workbook_add_worksheet = nullptr;
  decltype(&::workbook_add_format) workbook_add_format = nullptr;
  decltype(&::format_set_bold) format_set_bold = nullptr;
  decltype(&::format_set_text_wrap) format_set_text_wrap = nullptr;
  decltype(&::lxw_workbook_free) lxw_workbook_free = nullptr;
  decltype(&::worksheet_write_string) worksheet_write_string = nullptr;
  decltype(&::workbook_close) workbook_close = nullptr;
  std::string error;
};

const XlsxApi& Xlsx() {
  static const XlsxApi loaded = [] {
    static SharedLibrary library("libxlsxwriter.so.4");
    XlsxApi api;
    library.Find("workbook_new_opt", api.workbook_new_opt);
    library.Find("workbook_add_worksheet", api.workbook_add_worksheet);
    library.Find("workbook_add_format", api.workbook_add_format);
    library.Find("format_set_bold", api.format_set_bold);
    library.Find("format_set_text_wrap", api.format_set_text_wrap);
    library.Find("lxw_workbook_free", api.lxw_workbook_free);
    library.Find("worksheet_write_string", api.worksheet_write_string);
    library.Find("workbook_close", api.workbook_close);
    api.error = library.Error();
    return api;
  }();
  return loaded;
}

constexpr size_t kMaxCellLength = 32767;

class XlsxWorkbook final : public ExcelWorkbook {
 public:
  explicit XlsxWorkbook(const std::filesystem::path& path) : path_(path) {
    if (!Xlsx().error.empty()) return;  // not Ready: the export says it cannot write
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    const std::string name = path.string();
    book_ = Xlsx().workbook_new_opt(name.c_str(), &options);
    if (!book_) return;
    sheet_ = Xlsx().workbook_add_worksheet(book_, "Sheet1");
    lxw_format* header = Xlsx().workbook_add_format(book_);
    Xlsx().format_set_bold(header);
    header_ = header;
    wrap_ = Xlsx().workbook_add_format(book_);
    Xlsx().format_set_text_wrap(wrap_);
  }
  ~XlsxWorkbook() override {
    if (book_) Xlsx().lxw_workbook_free(book_);  // never saved: release without writing
  }
  XlsxWorkbook(const XlsxWorkbook&) = delete;
  XlsxWorkbook& operator=(const XlsxWorkbook&) = delete;

  bool Ready() const { return book_ && sheet_ && header_ && wrap_; }

  bool WriteString(uint32_t row, uint32_t column, std::wstring_view text, ExcelCellFormat format) override {
    if (!book_ || row >= LXW_ROW_MAX || column >= LXW_COL_MAX) return false;
    if (text.size() > kMaxCellLength) {
      text = text.substr(0, kMaxCellLength);
      ++cut_;
    }
    lxw_format* f = format == ExcelCellFormat::Header ? header_
                    : format == ExcelCellFormat::Wrap ? wrap_
                                                      : nullptr;
    const std::string utf8 = ToUtf8(text);
    return Xlsx().worksheet_write_string(sheet_, row, static_cast<lxw_col_t>(column), utf8.c_str(), f) ==
           LXW_NO_ERROR;
  }

  bool Save() override {
    if (!book_) return false;
    lxw_workbook* book = book_;
    book_ = nullptr;  // workbook_close frees it, whatever the outcome
    if (Xlsx().workbook_close(book) == LXW_NO_ERROR) return true;
    std::error_code ignored;
    std::filesystem::remove(path_, ignored);
    return false;
  }

  size_t CutCells() const override { return cut_; }

 private:
  std::filesystem::path path_;
  lxw_workbook* book_ = nullptr;
  lxw_worksheet* sheet_ = nullptr;
  lxw_format* header_ = nullptr;
  lxw_format* wrap_ = nullptr;
  size_t cut_ = 0;
};

class XlsWorkbook final : public ExcelWorkbook {
 public:
  explicit XlsWorkbook(const std::filesystem::path& path) : path_(path) {}
  bool WriteString(uint32_t row, uint32_t column, std::wstring_view text, ExcelCellFormat format) override {
    return book_.WriteString(row, column, text, format);
  }
  bool Save() override {
    if (book_.Save(path_)) return true;
    std::error_code ignored;
    std::filesystem::remove(path_, ignored);
    return false;
  }
  size_t CutCells() const override { return book_.CutCells(); }

 private:
  std::filesystem::path path_;
  xls::Workbook book_;
};

}  // namespace

bool IsXmlWorkbookPath(const std::filesystem::path& path) {
  const std::wstring ext = FromPath(path.extension());
  return EqualsNoCase(ext, L".xlsx");
}

std::unique_ptr<ExcelWorkbook> CreateExcelWorkbook(const std::filesystem::path& path, bool xml) {
  if (!xml) return std::make_unique<XlsWorkbook>(path);
  auto book = std::make_unique<XlsxWorkbook>(path);
  if (!book->Ready()) return nullptr;
  return book;
}

}  // namespace mirn
