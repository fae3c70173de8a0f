// The file side of the PDF compactor: it follows the cross-reference table, rewrites each
// page's content stream and its length, and copies every other object as it is. Objects are
// read by position one at a time, so a file of any number of pages is compacted in the memory
// of one page.
#include "print/PdfCompactor.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <optional>
#include <regex>
#include <set>
#include <string_view>
#include <vector>

#include "platform/AtomicWrite.h"
#include "util/Deflate.h"

namespace mirn {
namespace {

// Raised when the file turns out to be one the compactor cannot follow after writing began.
struct CannotFollow {};

bool IsSpace(char c) { return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\f' || c == '\0'; }

std::string ReadBytes(const ByteSource& source, std::uint64_t at, std::size_t count) {
  std::string bytes(count, '\0');
  bytes.resize(source.ReadAt(at, bytes.data(), count));
  return bytes;
}

// An object number that fits an int; nothing for one too large for any file.
std::optional<int> ObjectNumber(std::string_view digits) {
  int n = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
  if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  return n;
}

// The first reference "key N 0 R" (or "key [N 0 R") in an object's text.
std::optional<int> Ref(std::string_view object, std::string_view key) {
  for (size_t at = object.find(key); at != std::string_view::npos; at = object.find(key, at + 1)) {
    size_t i = at + key.size();
    auto skipSpace = [&] {
      while (i < object.size() && std::isspace(static_cast<unsigned char>(object[i]))) ++i;
    };
    skipSpace();
    if (i < object.size() && object[i] == '[') ++i;
    skipSpace();
    const size_t digits = i;
    while (i < object.size() && object[i] >= '0' && object[i] <= '9') ++i;
    if (i > digits && object.substr(i, 4) == " 0 R") return ObjectNumber(object.substr(digits, i - digits));
  }
  return std::nullopt;
}

// "/Type /Page" and not "/Type /Pages".
bool IsPage(std::string_view object) {
  for (size_t at = object.find("/Type"); at != std::string_view::npos; at = object.find("/Type", at + 1)) {
    size_t i = at + 5;
    while (i < object.size() && std::isspace(static_cast<unsigned char>(object[i]))) ++i;
    if (object.substr(i, 5) != "/Page") continue;
    i += 5;
    if (i == object.size() || !(std::isalnum(static_cast<unsigned char>(object[i])) || object[i] == '_')) return true;
  }
  return false;
}

// Where the compacted file goes, with the position it has reached.
class Sink {
 public:
  virtual ~Sink() = default;
  bool Write(std::string_view bytes) {
    if (failed_) return false;
    if (!Put(bytes)) failed_ = true;
    written_ += bytes.size();
    return !failed_;
  }
  // Starts the file again, empty.
  bool Restart() {
    written_ = 0;
    failed_ = failed_ || !Clear();
    return !failed_;
  }
  virtual bool Finish() { return !failed_; }
  std::uint64_t Written() const { return written_; }
  bool Failed() const { return failed_; }

 protected:
  virtual bool Put(std::string_view bytes) = 0;
  virtual bool Clear() = 0;
  bool failed_ = false;

 private:
  std::uint64_t written_ = 0;
};

class StringSink final : public Sink {
 public:
  std::string bytes;

 private:
  bool Put(std::string_view more) override {
    bytes += more;
    return true;
  }
  bool Clear() override {
    bytes.clear();
    return true;
  }
};

// A descriptor, written through a buffer so that each object is not a system call of its own.
class DescriptorSink final : public Sink {
 public:
  DescriptorSink(int fd, std::error_code* error) : fd_(fd), start_(::lseek(fd, 0, SEEK_CUR)), error_(error) {}
  bool Finish() override { return Flush(); }

 private:
  static constexpr size_t kBuffer = 1 << 16;
  bool Put(std::string_view more) override {
    buffer_ += more;
    return buffer_.size() < kBuffer || Flush();
  }
  bool Flush() {
    if (failed_) return false;
    const bool ok = WriteAll(fd_, buffer_, error_);
    buffer_.clear();
    failed_ = !ok;
    return ok;
  }
  bool Clear() override {
    buffer_.clear();
    if (start_ < 0 || ::lseek(fd_, start_, SEEK_SET) != start_ || ::ftruncate(fd_, start_) != 0) {
      if (error_) *error_ = std::error_code(errno, std::generic_category());
      return false;
    }
    return true;
  }
  int fd_ = -1;
  off_t start_ = -1;
  std::error_code* error_ = nullptr;
  std::string buffer_;
};

// The objects of a PDF with a classic cross-reference table, as Qt writes it: where each lies,
// in file order, and the trailer.
class PdfObjects {
 public:
  struct Extent {
    std::uint64_t from = 0;
    std::uint64_t to = 0;
    int number = 0;
  };

  static std::optional<PdfObjects> Read(const ByteSource& source) {
    const std::uint64_t fileSize = source.Size();
    const std::uint64_t tailStart = fileSize > kTail ? fileSize - kTail : 0;
    const std::string tail = ReadBytes(source, tailStart, static_cast<size_t>(fileSize - tailStart));
    const size_t startxrefInTail = tail.rfind("startxref");
    if (startxrefInTail == std::string::npos) return std::nullopt;
    const std::uint64_t startxref = tailStart + startxrefInTail;
    const long xrefAt = std::strtol(tail.c_str() + startxrefInTail + 9, nullptr, 10);
    if (xrefAt <= 0 || static_cast<std::uint64_t>(xrefAt) >= startxref) return std::nullopt;
    const auto xref = static_cast<std::uint64_t>(xrefAt);
    const std::string table = ReadBytes(source, xref, static_cast<size_t>(startxref - xref));
    if (table.compare(0, 4, "xref") != 0) return std::nullopt;
    size_t at = 4;
    char* end = nullptr;
    const long first = std::strtol(table.c_str() + at, &end, 10);
    const long count = std::strtol(end, &end, 10);
    if (first != 0 || count <= 0 || count > 10000000) return std::nullopt;
    at = static_cast<size_t>(end - table.c_str());
    while (at < table.size() && IsSpace(table[at])) ++at;
    std::vector<std::pair<std::uint64_t, int>> offsets;
    for (long n = 0; n < count; ++n, at += 20) {
      if (at + 20 > table.size()) return std::nullopt;
      if (table[at + 17] == 'n') offsets.emplace_back(std::strtoul(table.c_str() + at, nullptr, 10), static_cast<int>(n));
    }
    const size_t trailer = table.find("trailer", at);
    if (trailer == std::string::npos || offsets.empty()) return std::nullopt;
    std::sort(offsets.begin(), offsets.end());
    PdfObjects objects(source);
    objects.size = static_cast<int>(count);
    objects.headerEnd = offsets.front().first;
    objects.trailer = table.substr(trailer);
    for (size_t k = 0; k < offsets.size(); ++k) {
      const std::uint64_t from = offsets[k].first;
      const std::uint64_t to = k + 1 < offsets.size() ? offsets[k + 1].first : xref;
      if (to <= from || to > fileSize) return std::nullopt;
      objects.index_[offsets[k].second] = objects.extents.size();
      objects.extents.push_back({from, to, offsets[k].second});
    }
    return objects;
  }

  // The whole text of an object ("N 0 obj ... endobj\n" and what follows up to the next).
  std::string Text(const Extent& extent) const {
    std::string text = ReadBytes(*source_, extent.from, static_cast<size_t>(extent.to - extent.from));
    if (text.size() != extent.to - extent.from || text.rfind(std::to_string(extent.number) + " 0 obj", 0) != 0) {
      throw CannotFollow{};
    }
    return text;
  }
  // The text of object `n`; empty when the file has no such object.
  std::string Text(int n) const {
    const auto it = index_.find(n);
    return it == index_.end() ? std::string() : Text(extents[it->second]);
  }
  bool Has(int n) const { return index_.count(n) != 0; }

  std::vector<Extent> extents;  // in file order
  int size = 0;                 // entries of the cross-reference table
  std::uint64_t headerEnd = 0;  // the header is everything before the first object
  std::string trailer;          // "trailer ... " up to startxref

 private:
  // The end of the file that holds "startxref": Qt writes it in the last few dozen bytes.
  static constexpr std::uint64_t kTail = 4096;
  explicit PdfObjects(const ByteSource& source) : source_(&source) {}
  const ByteSource* source_ = nullptr;
  std::map<int, size_t> index_;
};

// "c [w w ...] c1 c2 w ... ]": the /W array of a CID font, from after its "[".
void ReadW(std::string_view s, std::map<unsigned, double>& widths) {
  std::vector<double> pending;
  size_t i = 0;
  auto number = [&](double& v) {
    char* end = nullptr;
    const std::string text(s.substr(i, std::min<size_t>(32, s.size() - i)));
    v = std::strtod(text.c_str(), &end);
    if (end == text.c_str()) return false;
    i += static_cast<size_t>(end - text.c_str());
    return true;
  };
  while (i < s.size()) {
    if (IsSpace(s[i])) {
      ++i;
    } else if (s[i] == ']') {
      return;
    } else if (s[i] == '[') {
      if (pending.empty()) return;
      auto c = static_cast<unsigned>(pending.back());
      pending.clear();
      ++i;
      while (i < s.size() && s[i] != ']') {
        if (IsSpace(s[i])) {
          ++i;
          continue;
        }
        double v = 0;
        if (!number(v)) return;
        widths[c++] = v;
      }
      ++i;
    } else {
      double v = 0;
      if (!number(v)) return;
      pending.push_back(v);
      if (pending.size() == 3) {
        for (auto c = static_cast<unsigned>(pending[0]); c <= static_cast<unsigned>(pending[1]) && c < 65536; ++c) {
          widths[c] = pending[2];
        }
        pending.clear();
      }
    }
  }
}

// Glyph widths of the fonts of a file, read once per font object: the Type0 font names its
// descendant font, whose /W array holds the widths. Nothing for a font without one.
class FontWidths {
 public:
  explicit FontWidths(const PdfObjects& objects) : objects_(objects) {}
  const std::map<unsigned, double>* Of(int font) {
    auto it = fonts_.find(font);
    if (it == fonts_.end()) it = fonts_.emplace(font, Load(font)).first;
    return it->second.get();
  }

 private:
  std::unique_ptr<std::map<unsigned, double>> Load(int font) const {
    const auto descendant = Ref(objects_.Text(font), "/DescendantFonts");
    if (!descendant || !objects_.Has(*descendant)) return nullptr;
    const std::string cid = objects_.Text(*descendant);
    const size_t w = cid.find("/W [");
    if (w == std::string::npos) return nullptr;
    auto widths = std::make_unique<std::map<unsigned, double>>();
    ReadW(std::string_view(cid).substr(w + 4), *widths);
    return widths;
  }
  const PdfObjects& objects_;
  std::map<int, std::unique_ptr<std::map<unsigned, double>>> fonts_;
};

// The widths of the fonts a page's resources name: /Fn names the Type0 font object n.
class PageWidths final : public GlyphWidths {
 public:
  PageWidths(const PdfObjects& objects, FontWidths& fonts, int resources) {
    const std::string text = objects.Text(resources);
    static const std::regex fontRef(R"(/(F\d+) (\d+) 0 R)");
    for (auto m = std::sregex_iterator(text.begin(), text.end(), fontRef); m != std::sregex_iterator(); ++m) {
      const auto font = ObjectNumber((*m)[2].str());
      const std::map<unsigned, double>* widths = font ? fonts.Of(*font) : nullptr;
      if (!widths) continue;
      std::map<unsigned, double>& into = fonts_[(*m)[1].str()];
      for (const auto& [glyph, width] : *widths) into[glyph] = width;
    }
  }
  double Width(const std::string& font, unsigned glyph) const override {
    const auto f = fonts_.find(font);
    if (f == fonts_.end()) return -1;
    const auto g = f->second.find(glyph);
    return g == f->second.end() ? 1000 : g->second;  // the default width of CID fonts
  }

 private:
  std::map<std::string, std::map<unsigned, double>> fonts_;
};

// One page's content stream to rewrite: the objects of its stream, its length and its
// resources.
struct PageContent {
  int length = 0;
  int resources = 0;
};

class FileCompactor {
 public:
  FileCompactor(const ByteSource& source, const PdfObjects& objects, Sink& sink)
      : source_(source), objects_(objects), sink_(sink), fonts_(objects) {}

  // Writes the compacted file; false when the sink failed. CannotFollow when the file turns out
  // to be one it cannot follow.
  bool Run() {
    FindPages();
    std::vector<std::uint64_t> offsets(static_cast<size_t>(objects_.size), 0);
    std::vector<bool> present(static_cast<size_t>(objects_.size), false);
    if (!sink_.Write(ReadBytes(source_, 0, static_cast<size_t>(objects_.headerEnd)))) return false;
    for (const PdfObjects::Extent& extent : objects_.extents) {
      offsets[static_cast<size_t>(extent.number)] = sink_.Written();
      present[static_cast<size_t>(extent.number)] = true;
      if (!sink_.Write(Rewritten(extent))) return false;
    }
    const std::uint64_t xref = sink_.Written();
    std::string table = "xref\n0 " + std::to_string(objects_.size) + "\n";
    char entry[32];
    for (size_t n = 0; n < offsets.size(); ++n) {
      if (!present[n]) std::snprintf(entry, sizeof entry, "%010d %05d f \n", 0, n == 0 ? 65535 : 0);
      else std::snprintf(entry, sizeof entry, "%010llu 00000 n \n", static_cast<unsigned long long>(offsets[n]));
      table += entry;
    }
    table += objects_.trailer;
    table += "startxref\n" + std::to_string(xref) + "\n%%EOF\n";
    return sink_.Write(table);
  }

 private:
  // The pages' content streams, from the page objects; a stream two pages share is rewritten
  // once, with the first page's resources.
  void FindPages() {
    for (const PdfObjects::Extent& extent : objects_.extents) {
      const std::string text = objects_.Text(extent);
      if (!IsPage(text)) continue;
      const auto contents = Ref(text, "/Contents");
      const auto resources = Ref(text, "/Resources");
      if (!contents || !resources || pages_.count(*contents)) continue;
      const auto length = Ref(objects_.Text(*contents), "/Length");
      if (!length || lengths_.count(*length)) continue;
      pages_[*contents] = {*length, *resources};
      lengths_[*length] = *contents;
    }
  }

  std::string Rewritten(const PdfObjects::Extent& extent) {
    std::string text = objects_.Text(extent);
    if (const auto page = pages_.find(extent.number); page != pages_.end()) {
      auto packed = packed_.find(extent.number);
      if (packed == packed_.end()) packed = packed_.emplace(extent.number, Compacted(text, page->second)).first;
      if (packed->second) {
        text = text.substr(0, packed->second->data) + packed->second->bytes +
               text.substr(packed->second->data + packed->second->oldLength);
      }
      // Kept until the length is written, as a number only.
      if (packed->second) packed->second->bytes.clear();
      if (written_.count(page->second.length)) packed_.erase(packed);
      written_.insert(extent.number);
    } else if (const auto length = lengths_.find(extent.number); length != lengths_.end()) {
      const int contents = length->second;
      auto packed = packed_.find(contents);
      if (packed == packed_.end()) {
        packed = packed_.emplace(contents, Compacted(objects_.Text(contents), pages_.at(contents))).first;
      }
      if (packed->second) {
        text = std::to_string(extent.number) + " 0 obj\n" + std::to_string(packed->second->newLength) + "\nendobj\n";
      }
      if (written_.count(contents)) packed_.erase(packed);
      written_.insert(extent.number);
    }
    return text;
  }

  struct Packed {
    size_t data = 0;       // where the stream's data starts in the object
    size_t oldLength = 0;  // its length before
    size_t newLength = 0;
    std::string bytes;
  };

  // The page's content compacted and compressed; nothing when it is left as it is.
  std::optional<Packed> Compacted(const std::string& object, const PageContent& page) {
    if (object.find("/FlateDecode") == std::string::npos) return std::nullopt;
    const std::string lengthText = objects_.Text(page.length);
    const size_t afterObj = lengthText.find("obj");
    if (afterObj == std::string::npos) return std::nullopt;
    const long length = std::strtol(lengthText.c_str() + afterObj + 3, nullptr, 10);
    const size_t stream = object.find("stream\n");
    if (stream == std::string::npos || length <= 0) return std::nullopt;
    const size_t data = stream + 7;
    const auto size = static_cast<size_t>(length);
    if (data + size > object.size() || object.find("endstream", data + size) == std::string::npos) {
      return std::nullopt;
    }
    const std::optional<std::string> content = Inflate(std::string_view(object).substr(data, size));
    if (!content) return std::nullopt;
    Packed packed;
    packed.bytes = DeflateBest(CompactContent(*content, PageWidths(objects_, fonts_, page.resources)));
    if (packed.bytes.empty()) return std::nullopt;
    packed.data = data;
    packed.oldLength = size;
    packed.newLength = packed.bytes.size();
    return packed;
  }

  const ByteSource& source_;
  const PdfObjects& objects_;
  Sink& sink_;
  FontWidths fonts_;
  std::map<int, PageContent> pages_;  // by content stream
  std::map<int, int> lengths_;        // content stream by length object
  // Streams rewritten (or found unchanged) whose stream or length object is still to come.
  std::map<int, std::optional<Packed>> packed_;
  std::set<int> written_;
};

// The source as it is.
bool Copy(const ByteSource& source, Sink& sink) {
  constexpr size_t kChunk = 1 << 16;
  for (std::uint64_t at = 0; at < source.Size(); at += kChunk) {
    if (!sink.Write(ReadBytes(source, at, kChunk))) return false;
  }
  return true;
}

bool Compact(const ByteSource& source, Sink& sink) {
  try {
    if (const std::optional<PdfObjects> objects = PdfObjects::Read(source)) {
      FileCompactor compactor(source, *objects, sink);
      if (!compactor.Run()) return false;
      if (sink.Written() < source.Size()) return sink.Finish();
    }
  } catch (const CannotFollow&) {
  } catch (const std::exception&) {
    // A file that cannot be followed comes out as it came, whatever in it went wrong.
  }
  if (sink.Failed() || !sink.Restart()) return false;
  return Copy(source, sink) && sink.Finish();
}

}  // namespace

std::string CompactPdf(const std::string& pdf) {
  const MemoryByteSource source(pdf);
  StringSink sink;
  Compact(source, sink);
  return std::move(sink.bytes);
}

bool CompactPdf(const ByteSource& source, int fd, std::error_code* error) {
  DescriptorSink sink(fd, error);
  if (!Compact(source, sink)) {
    if (error && !*error) *error = std::make_error_code(std::errc::io_error);
    return false;
  }
  if (error) error->clear();
  return true;
}

}  // namespace mirn
