// Drawing labels to images: `render` writes one extension's label as the label view shows it.

#include <ostream>

#include "cli/Command.h"
#include "cli/CommandLine.h"
#include "cli/commands/CommandGroups.h"
#include "db/MRBBase.h"
#include "panel/LabelFieldTexts.h"
#include "panel/LabelGraphics.h"
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

  int code = 0;
  std::unique_ptr<MRBBase> db = OpenDatabase(file, code);
  if (!db) {
    c.err << "cannot open " << file.string() << " (code " << code << ")\n";
    return kExitFailed;
  }
  std::wstring typeCode, name;
  if (db->GetExtension(id, typeCode, name) != db::kOk) {
    c.err << "no extension " << ToUtf8(id) << " in " << file.string() << '\n';
    return kExitFailed;
  }
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
  const QImage image = RenderLabelImage(*layout, texts, graphics, zoom, dpi);
  if (!image.save(PathToQString(out), "PNG")) {
    c.err << "cannot write " << out.string() << '\n';
    return kExitFailed;
  }
  return kExitOk;
}

}  // namespace

void RegisterRenderCommands(CommandTable& table) {
  table.Add({"render", "FILE ID OUT.png [--zoom Z] [--dpi D] [--folder DIR]... [--no-cache]",
             "draw one extension's label to a PNG image as the label view shows it", Render});
}

}  // namespace mirn::cli
