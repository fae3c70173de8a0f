#include "app/OptionsModel.h"

#include <algorithm>

#include "app/LanguageChoice.h"
#include "app/TipOfTheDay.h"
#include "platform/Profile.h"

namespace mirn {
namespace {
constexpr std::wstring_view kPreferences = L"Preferences";
}

OptionsModel::OptionsModel(const Profile& profile)
    : font_(GetDefaultFont(profile)),
      showTips_(TipOfTheDay::ShowAtStartup(profile)),
      language_(ChosenLanguage(profile)) {
  SetZoomLevel(profile.GetInt(kPreferences, L"Zoom Level", 2));
}

void OptionsModel::SetFont(const TextFormat& chosen) {
  const Alignment alignment = font_.alignment;
  font_ = chosen;
  font_.face = ClampFace(font_.face);
  font_.alignment = alignment;
}

void OptionsModel::SetJustification(int index) {
  font_.alignment = static_cast<Alignment>(std::clamp(index, 0, kJustifications - 1));
}

void OptionsModel::SetZoomLevel(int index) { zoomLevel_ = std::clamp(index, 0, kZoomLevels - 1); }

void OptionsModel::Reset() {
  font_ = TextFormat{};
  font_.face = L"Arial";
  font_.size = 18;
  font_.alignment = Alignment::Center;
  zoomLevel_ = 2;
  showTips_ = true;
  language_.clear();
}

bool OptionsModel::Save(Profile& profile) const {
  bool written = profile.WriteInt(kPreferences, L"Justification", Justification());
  written = profile.WriteInt(kPreferences, L"Zoom Level", zoomLevel_) && written;
  written = TipOfTheDay::SetShowAtStartup(profile, showTips_) && written;
  written = profile.WriteString(kPreferences, L"Default Font", FormatStyleString(font_)) && written;
  written = SetChosenLanguage(profile, language_) && written;
  GetDefaultFont(profile, true);
  return written;
}

}  // namespace mirn
