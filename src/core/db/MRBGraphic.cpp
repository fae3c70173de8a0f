#include "db/MRBGraphic.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "json/Json.h"
#include "util/Text.h"

namespace mirn {
namespace {

// Numbers are read as doubles and truncated toward zero; values beyond 32 bits are clamped
// so that a hostile description cannot overflow the conversion.
int32_t ToInt32(double number) {
  constexpr double kMin = std::numeric_limits<int32_t>::min();
  constexpr double kMax = std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(std::trunc(std::clamp(number, kMin, kMax)));
}

bool ReadString(const json::Value& object, const char* name, std::wstring& out) {
  const auto it = object.find(name);
  if (it == object.end() || !it->is_string()) return false;
  out = FromUtf8(it->get_ref<const std::string&>());
  return true;
}

bool ReadNumber(const json::Value& object, const char* name, int32_t& out) {
  const auto it = object.find(name);
  if (it == object.end() || !it->is_number()) return false;
  out = ToInt32(it->get<double>());
  return true;
}

bool ReadBool(const json::Value& object, const char* name, bool& out) {
  const auto it = object.find(name);
  if (it == object.end() || !it->is_boolean()) return false;
  out = it->get<bool>();
  return true;
}

}  // namespace

std::string MRBGraphic::ToJson() const {
  json::Value element;
  element["fileName"] = ToUtf8(fileName);
  element["relativeName"] = ToUtf8(relativeName);
  element["left"] = left;
  element["top"] = top;
  element["width"] = width;
  element["height"] = height;
  element["locked"] = locked;
  element["embedded"] = embedded;
  element["embeddedHash"] = ToUtf8(embeddedHash);
  json::Value root;
  root["kind"] = "MRBGraphic";
  root["version"] = 2;
  root["graphics"] = json::Value::array({element});
  return json::Write(root);
}

bool MRBGraphic::FromJson(std::string_view text) {
  json::Value root;
  try {
    root = json::Parse(text);
  } catch (const json::ParseError&) {
    return false;
  }
  if (!root.is_object()) return false;
  const auto kind = root.find("kind");
  if (kind == root.end() || !kind->is_string() || kind->get_ref<const std::string&>() != "MRBGraphic") {
    return false;
  }
  const auto version = root.find("version");
  if (version == root.end() || !version->is_number() || version->get<double>() < 1) return false;
  const auto graphics = root.find("graphics");
  if (graphics == root.end() || !graphics->is_array() || graphics->empty()) return false;
  const json::Value& element = graphics->front();
  if (!element.is_object()) return false;

  MRBGraphic read;
  if (!ReadString(element, "fileName", read.fileName) ||
      !ReadString(element, "relativeName", read.relativeName) ||
      !ReadNumber(element, "left", read.left) || !ReadNumber(element, "top", read.top) ||
      !ReadNumber(element, "width", read.width) || !ReadNumber(element, "height", read.height) ||
      !ReadBool(element, "locked", read.locked)) {
    return false;
  }
  if (version->get<double>() >= 2) {
    std::wstring hash;
    if (!ReadBool(element, "embedded", read.embedded) ||
        !ReadString(element, "embeddedHash", hash)) {
      return false;
    }
    if (read.embedded) read.embeddedHash = std::move(hash);
  }
  *this = std::move(read);
  return true;
}

}  // namespace mirn
