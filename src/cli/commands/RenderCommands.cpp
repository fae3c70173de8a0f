// Drawing labels to images: `render` writes one extension's label as the label view shows it,
// `thumbnail` the first label of a database at the size a file manager asks for.

#include <QBuffer>
#include <algorithm>
#include <charconv>
#include <cerrno>
#include <optional>
#include <ostream>

#include "cli/Command.h"
#include "cli/CommandLine.h"
#include "cli/DatabaseAccess.h"
#include "cli/DatabaseFile.h"
#include "cli/Messages.h"
#include "cli/commands/CommandGroups.h"
#include "db/MRBBase.h"
#include "panel/LabelFieldTexts.h"
#include "panel/LabelGraphics.h"
#include "platform/AtomicWrite.h"
#include "platform/OutputFile.h"
#include "qt/LabelImage.h"
#include "qt/QPainterCanvas.h"
#include "qt/QtText.h"
#include "store/OpenDatabase.h"
#include "templates/DDFLibrary.h"
#include "text/MRBFieldTextSource.h"
#include "util/Catalog.h"
#include "util/StringTable.h"
#include "util/Text.h"

namespace mirn::cli {
namespace {

// Extension `id` of the open database `file` drawn as the label view shows it; nothing after a
// message when it has no such extension or no layout for it.
std::optional<QImage> DrawExtension(MRBBase& db, const std::filesystem::path& file, const std::wstring& id,
                                    const ParsedArgs& parsed, int zoom, int dpi, Context& c) {
  std::wstring typeCode, name;
  if (const int code = db.GetExtension(id, typeCode, name); code != db::kOk) {
    ReportFile(c.err, file.string(), FormatString(TrUtf8("Cli", "there is no extension %1"), {Quoted(id)}), code);
    return std::nullopt;
  }
  if (!CheckFoldersOrReport(parsed.Values("folder"), c)) return std::nullopt;
  DDFLibrary library(c.folders, !parsed.Has("no-cache"));
  library.ScanFolders(parsed.Values("folder"));
  // Asked first, because GetTemplate throws for a type code the library does not hold.
  if (!library.Contains(typeCode)) {
    ReportFile(c.err, file.string(), FormatString(TrUtf8("Cli", "no layout template for type code %1"), {ToUtf8(typeCode)}),
               ENOENT);
    return std::nullopt;
  }
  const std::shared_ptr<const CDDFTemplate> layout = library.GetTemplate(typeCode);

  EnsureGuiApplication();
  MRBFieldTextSource source(db);
  LabelFieldTexts texts(&source, id, name);
  QtPictureLoader loader;
  const std::vector<LabelGraphic> graphics =
      LoadLabelGraphics(db, id, std::filesystem::absolute(file).parent_path(), c.folders, loader);
  // A picture that is missing or that cannot be decoded is drawn crossed out; say so.
  const auto unloaded = std::count_if(graphics.begin(), graphics.end(), [](const LabelGraphic& g) { return !g.picture; });
  if (unloaded > 0) {
    c.err << "mirn-cli: " << file.string() << ": "
          << FormatString(TrNUtf8("Cli", "%n pictures of extension %1 could not be loaded or decoded and are drawn crossed out",
                                  "%n picture of extension %1 could not be loaded or decoded and is drawn crossed out",
                                  unloaded),
                          {Quoted(id)})
          << '\n';
  }
  return RenderLabelImage(*layout, texts, graphics, zoom, dpi);
}

// Encodes the image in memory, then writes it beside the target and renames it over it when
// complete.
int WritePng(const QImage& image, const std::filesystem::path& out, Context& c) {
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "PNG")) {
    ReportFile(c.err, out.string(), TrUtf8("Cli", "cannot write: the image could not be encoded"), EIO);
    return kExitFailed;
  }
  auto target = BeginOutputOrReport(out, c);
  if (!target) return kExitFailed;
  std::error_code error;
  if (!WriteAll(target->Descriptor(), std::string_view(png.constData(), static_cast<size_t>(png.size())), &error)) {
    ReportWriteFailure(*target, error, c);
    return kExitFailed;
  }
  return CommitOrReport(*target, c) ? kExitOk : kExitFailed;
}

// The picture may not be the database drawn (held open now) or any other open database.
bool CheckImageTargetOrReport(const std::filesystem::path& out, Context& c) {
  std::error_code refused;
  if (OutputFile::CheckTarget(out, &refused)) return true;
  ReportFileError(c.err, out.string(), TrUtf8("Cli", "cannot write"), refused);
  return false;
}

int Render(const std::vector<std::string>& args, Context& c) {
  const auto parsed =
      ParseArgs(args, {{"zoom", true}, {"dpi", true}, {"folder", true, true}, {"no-cache"}});
  parsed.ExpectPositional(3, 3);
  const std::filesystem::path file = parsed.Positional()[0];
  const std::wstring id = FromUtf8(parsed.Positional()[1]);
  const std::filesystem::path out = parsed.Positional()[2];
  // The label view's zoom range; the same resolutions a screen or a printer may have.
  const int zoom = static_cast<int>(parsed.IntInRange("zoom", 15, 1000, 100));
  const int dpi = static_cast<int>(parsed.IntInRange("dpi", 24, 2400, 96));

  std::unique_ptr<MRBBase> db = OpenToReadOrReport(file.string(), c);
  if (!db) return kExitFailed;
  if (!CheckImageTargetOrReport(out, c)) return kExitFailed;
  const std::optional<QImage> image = DrawExtension(*db, file, id, parsed, zoom, dpi, c);
  return image ? WritePng(*image, out, c) : kExitFailed;
}

// SIZE of `thumbnail`: file managers ask for 128, 256, 512 or 1024 pixels.
int ThumbnailSize(const std::string& text) {
  int size = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), size);
  if (error != std::errc() || end != text.data() + text.size() || size < 8 || size > 1024) {
    throw UsageError(FormatString(TrUtf8("Cli", "SIZE must be a whole number of pixels between 8 and 1024, not '%1'"),
                                  {text}));
  }
  return size;
}

// The picture a file manager shows for a database: the label of its first extension (text
// order of ids), scaled to fit a square of SIZE pixels. A label smaller than that at 96 dpi
// is drawn at the resolution that fills the square, so that no thumbnail is blown up.
int Thumbnail(const std::vector<std::string>& args, Context& c) {
  const auto parsed = ParseArgs(args, {{"folder", true, true}, {"no-cache"}});
  parsed.ExpectPositional(3, 3);
  const std::filesystem::path file = parsed.Positional()[0];
  const std::filesystem::path out = parsed.Positional()[1];
  const int size = ThumbnailSize(parsed.Positional()[2]);

  std::unique_ptr<MRBBase> db = OpenToReadOrReport(file.string(), c);
  if (!db) return kExitFailed;
  if (!CheckImageTargetOrReport(out, c)) return kExitFailed;
  std::wstring first;
  if (!db->GetNextExtension(L"", first)) {
    ReportFile(c.err, file.string(), TrUtf8("Cli", "holds no extension to show"), db::kOk);
    return kExitFailed;
  }
  constexpr int kScreenDpi = 96;
  std::optional<QImage> image = DrawExtension(*db, file, first, parsed, 100, kScreenDpi, c);
  if (!image) return kExitFailed;
  const int longSide = std::max(image->width(), image->height());
  if (longSide > 0 && longSide < size) {
    const int dpi = std::min(2400, (kScreenDpi * size + longSide - 1) / longSide);
    image = DrawExtension(*db, file, first, parsed, 100, dpi, c);
    if (!image) return kExitFailed;
  }
  return WritePng(image->scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation), out, c);
}

}  // namespace

void RegisterRenderCommands(CommandTable& table) {
  table.Add({"render", "FILE ID OUT.png [--zoom Z] [--dpi D] [--folder DIR]... [--no-cache]",
             MIRN_TRANSLATABLE("Cli", "draw one extension's label to a PNG image as the label view shows it"), Render});
  table.Add({"thumbnail", "FILE OUT.png SIZE [--folder DIR]... [--no-cache]",
             MIRN_TRANSLATABLE("Cli", "draw the first extension's label scaled to fit SIZE pixels (for file managers)"), Thumbnail});
}

}  // namespace mirn::cli
