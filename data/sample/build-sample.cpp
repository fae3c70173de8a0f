// Builds the sample label database from its JSON source: the extensions with their type
// codes, names and field texts, and the pictures it places on labels. The one picture is
// drawn here (a telephone handset on a round badge) and written as a BMP file, so the sample
// carries no binary file that was not made from source.
//
//   mirn-sample-build SOURCE.json OUT.mrb WORKDIR

#include <cmath>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "db/MRBBase.h"
#include "store/OpenDatabase.h"
#include "text/TextFormat.h"
#include "util/Text.h"

namespace {

using Json = nlohmann::json;

void Put16(std::string& b, unsigned v) {
  b.push_back(static_cast<char>(v & 0xFF));
  b.push_back(static_cast<char>((v >> 8) & 0xFF));
}
void Put32(std::string& b, std::uint32_t v) {
  Put16(b, v & 0xFFFF);
  Put16(b, v >> 16);
}

// Inside a capsule from (ax, ay) to (bx, by) of radius r.
bool InCapsule(double x, double y, double ax, double ay, double bx, double by, double r) {
  const double dx = bx - ax, dy = by - ay;
  double t = ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy);
  t = std::fmax(0, std::fmin(1, t));
  const double px = ax + t * dx - x, py = ay + t * dy - y;
  return px * px + py * py <= r * r;
}

// A 24-bit BMP of `size` pixels square: a blue badge with a white handset.
std::string DrawBadge(int size) {
  const int rowBytes = (size * 3 + 3) & ~3;
  std::string b = "BM";
  Put32(b, 54 + rowBytes * size);
  Put32(b, 0);
  Put32(b, 54);
  Put32(b, 40);
  Put32(b, size);
  Put32(b, size);  // bottom-up rows
  Put16(b, 1);
  Put16(b, 24);
  Put32(b, 0);
  Put32(b, rowBytes * size);
  Put32(b, 3780);  // 96 dpi
  Put32(b, 3780);
  Put32(b, 0);
  Put32(b, 0);
  const double c = size / 2.0;
  for (int row = size - 1; row >= 0; --row) {
    std::string line;
    for (int col = 0; col < size; ++col) {
      const double x = (col + 0.5 - c) / c, y = (row + 0.5 - c) / c;  // -1..1, y down
      const bool badge = x * x + y * y <= 0.96;
      const bool ring = badge && x * x + y * y >= 0.80;
      // The handset: a curved bar with an ear and a mouth piece.
      const bool handle = InCapsule(x, y, -0.42, -0.30, 0.42, -0.30, 0.11) ||
                          InCapsule(x, y, -0.42, -0.30, -0.52, 0.05, 0.17) ||
                          InCapsule(x, y, 0.42, -0.30, 0.52, 0.05, 0.17);
      const bool keys = std::fabs(x) < 0.36 && y > 0.12 && y < 0.52 &&
                        std::fmod(std::fabs(x + 0.36) * 100, 24) < 16 && std::fmod((y - 0.12) * 100, 14) < 9;
      std::uint8_t r = 255, g = 255, bl = 255;
      if (badge) r = 0x1E, g = 0x50, bl = 0xA0;
      if (ring) r = 0x10, g = 0x30, bl = 0x70;
      if (badge && (handle || keys)) r = g = bl = 255;
      line.push_back(static_cast<char>(bl));
      line.push_back(static_cast<char>(g));
      line.push_back(static_cast<char>(r));
    }
    line.resize(rowBytes, '\0');
    b += line;
  }
  return b;
}

int Fail(const std::string& what) {
  std::cerr << "mirn-sample-build: " << what << '\n';
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) return Fail("usage: mirn-sample-build SOURCE.json OUT.mrb WORKDIR");
  std::ifstream in(argv[1], std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  Json source;
  try {
    source = Json::parse(text.str());
  } catch (const std::exception& e) {
    return Fail(std::string(argv[1]) + ": " + e.what());
  }
  const std::filesystem::path work = argv[3];
  std::filesystem::create_directories(work);

  std::map<std::string, std::filesystem::path> pictures;
  for (const auto& [name, picture] : source["pictures"].items()) {
    const std::filesystem::path file = work / (name + ".bmp");
    std::ofstream(file, std::ios::binary) << DrawBadge(picture.value("pixels", 96));
    pictures[name] = file;
  }

  int code = 0;
  mirn::DatabaseOptions options;
  options.tempFolder = work;
  std::unique_ptr<mirn::MRBBase> db = mirn::OpenDatabase({}, code, options);
  if (!db) return Fail("cannot create a database (result " + std::to_string(code) + ")");
  const Json& styles = source["styles"];
  for (const Json& e : source["extensions"]) {
    const std::wstring id = mirn::FromUtf8(e["id"].get<std::string>());
    if (db->AddExtension(id, mirn::FromUtf8(e["type"].get<std::string>()), mirn::FromUtf8(e["name"].get<std::string>())) != 0) {
      return Fail("cannot add extension " + e["id"].get<std::string>());
    }
    for (const auto& [field, value] : e["fields"].items()) {
      const std::string style = styles.value(value.value("style", ""), std::string("Arial,10,0,0,0,0,0,c"));
      const mirn::TextFormat format = mirn::ParseStyleString(mirn::FromUtf8(style));
      const std::wstring stored = mirn::WriteRtf(format, mirn::FromUtf8(value["text"].get<std::string>()));
      if (db->SetField(id, std::stoi(field), stored) != 0) return Fail("cannot set a field of " + e["id"].get<std::string>());
    }
    if (e.contains("picture")) {
      const Json& p = e["picture"];
      mirn::MRBGraphic graphic;
      graphic.fileName = mirn::FromPath(pictures.at(p["name"].get<std::string>()));
      graphic.left = p["left"];
      graphic.top = p["top"];
      graphic.width = p["width"];
      graphic.height = p["height"];
      if (db->EmbedGraphic(graphic) != 0 || db->SetGraphicField(id, p.value("slot", 1), graphic) != 0) {
        return Fail("cannot store the picture of " + e["id"].get<std::string>());
      }
    }
  }
  const int saved = db->Save(argv[2]);
  if (saved != 0) return Fail(std::string("cannot save ") + argv[2] + " (result " + std::to_string(saved) + ")");
  return 0;
}
