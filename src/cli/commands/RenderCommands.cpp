// Drawing labels to images: `render` writes one extension's label as the label view shows it.

#include <QBuffer>
#include <algorithm>
#include <cerrno>
#include <ostream>

#include "cli/Command.h"
#include "cli/CommandLine.h"
#include "cli/DatabaseAccess.h"
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
#include "util/Text.h"

namespace mirn::cli {
namespace {

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

  std::unique_ptr<MRBBase> db = OpenOrReport(file.string(), c);
  if (!db) return kExitFailed;
  // The picture may not be the database drawn (held open now) or any other open database.
  std::error_code refused;
  if (!OutputFile::CheckTarget(out, &refused)) {
    ReportFileError(c.err, out.string(), "cannot write", refused);
    return kExitFailed;
  }
  std::wstring typeCode, name;
  if (const int code = db->GetExtension(id, typeCode, name); code != db::kOk) {
    ReportFile(c.err, file.string(), "there is no extension '" + ToUtf8(id) + "'", code);
    return kExitFailed;
  }
  if (!CheckFoldersOrReport(parsed.Values("folder"), c)) return kExitFailed;
  DDFLibrary library(c.folders, !parsed.Has("no-cache"));
  library.ScanFolders(parsed.Values("folder"));
  // Asked first, because GetTemplate throws for a type code the library does not hold.
  if (!library.Contains(typeCode)) {
    c.err << "no layout template for type code " << ToUtf8(typeCode) << '\n';
    return kExitFailed;
  }
  const std::shared_ptr<const CDDFTemplate> layout = library.GetTemplate(typeCode);

  EnsureGuiApplication();
  MRBFieldTextSource source(*db);
  LabelFieldTexts texts(&source, id, name);
  QtPictureLoader loader;
  const std::vector<LabelGraphic> graphics =
      LoadLabelGraphics(*db, id, std::filesystem::absolute(file).parent_path(), c.folders, loader);
  // A picture that is missing or that cannot be decoded is drawn crossed out; say so.
  const auto unloaded = std::count_if(graphics.begin(), graphics.end(), [](const LabelGraphic& g) { return !g.picture; });
  if (unloaded > 0) {
    c.err << "mirn-cli: " << file.string() << ": " << unloaded << " picture" << (unloaded == 1 ? "" : "s")
          << " of extension '" << ToUtf8(id) << "' could not be loaded or decoded and " << (unloaded == 1 ? "is" : "are")
          << " drawn crossed out\n";
  }
  const QImage image = RenderLabelImage(*layout, texts, graphics, zoom, dpi);
  // Encoded in memory, then written beside the target and renamed over it when complete.
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "PNG")) {
    ReportFile(c.err, out.string(), "cannot write: the image could not be encoded", EIO);
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

}  // namespace

void RegisterRenderCommands(CommandTable& table) {
  table.Add({"render", "FILE ID OUT.png [--zoom Z] [--dpi D] [--folder DIR]... [--no-cache]",
             "draw one extension's label to a PNG image as the label view shows it", Render});
}

}  // namespace mirn::cli
