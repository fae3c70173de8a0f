#pragma once
// The Options dialog's state: the default text style for new field text, its alignment
// (the justification list), the default zoom level for new databases and whether the Tip
// of the Day shows at start-up, and the language of the next start. Nothing is written until
// Save.

#include <string>

#include "text/TextFormat.h"

namespace mirn {

class Profile;

class OptionsModel {
 public:
  // Entries of the zoom list: 50, 75, 100, 150, 200 %, fit width, fit entire label.
  static constexpr int kZoomLevels = 7;
  // Entries of the justification list: left, centre, right, full (the alignment values).
  static constexpr int kJustifications = 4;

  explicit OptionsModel(const Profile& profile);

  const TextFormat& Font() const { return font_; }
  int Justification() const { return static_cast<int>(font_.alignment); }
  int ZoomLevel() const { return zoomLevel_; }
  bool ShowTips() const { return showTips_; }
  // The code of the chosen language (app/LanguageChoice.h); empty for the locale's.
  const std::wstring& Language() const { return language_; }
  // The font description: face, styles that are on, whole points and "pt".
  std::wstring Description() const { return DescribeFormat(font_); }

  // A font chosen in the font dialog; the alignment stays the list's.
  void SetFont(const TextFormat& chosen);
  void SetJustification(int index);
  void SetZoomLevel(int index);
  void SetShowTips(bool show) { showTips_ = show; }
  void SetLanguage(std::wstring code) { language_ = std::move(code); }
  // Arial 9 points, black, no styles, centred; 100 %; tips shown; the locale's language.
  void Reset();

  // Writes "Justification", "Zoom Level", "Show Tip of the Day", "Default Font" and
  // "Language", then refreshes the cached default font. False when the settings could not be
  // written.
  bool Save(Profile& profile) const;

 private:
  TextFormat font_;
  int zoomLevel_ = 2;
  bool showTips_ = true;
  std::wstring language_;
};

}  // namespace mirn
