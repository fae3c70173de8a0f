#pragma once
// The Copy Styles wizard's pages and their rules: what each page says, which extensions
// the destination page offers, what Next refuses, and the ready summary. The dialog shows a
// page, hands the person's choice to the model and asks Next; the model answers through
// UserInterface (its page messages have no icon) and runs the copy at the end.

#include <optional>
#include <string>
#include <vector>

#include "find/CopyStyles.h"

namespace mirn {

class DDFLibrary;
class MRBBase;
class UserInterface;

class CopyStylesWizard {
 public:
  enum Page : int { kIntroPage = 0, kSourcePage, kDestinationPage, kStylesPage, kReadyPage };
  static constexpr int kPageCount = 5;

  struct ReadySummary {
    std::wstring sourceId;
    std::wstring sourceLayout;  // the layout's description, or the type code when not installed
    std::wstring sourceName;
    std::wstring destination;   // the ID for one extension, else "N selected extensions"
    std::wstring styles;        // "Everything" or the chosen names in kind order
  };

  CopyStylesWizard(MRBBase& db, DDFLibrary& library, UserInterface& ui);

  // "Step 2 of 5".
  static std::wstring StepHeading(int page);
  // The page's instructions (the destination page tells to go back when it offers nothing).
  std::wstring Instructions(int page) const;

  int CurrentPage() const { return page_; }

  // The person's choices on the current pages.
  void SelectSource(std::optional<std::wstring> id) { source_ = std::move(id); }
  void SelectDestinations(std::vector<std::wstring> ids) { destinations_ = std::move(ids); }
  void SelectStyles(StyleSet styles) { styles_ = styles; }
  const std::optional<std::wstring>& Source() const { return source_; }
  const std::vector<std::wstring>& Destinations() const { return destinations_; }
  const StyleSet& Styles() const { return styles_; }

  // The extensions of the source's layout, the source left out; filled on entering the
  // destination page.
  const std::vector<std::wstring>& DestinationChoices() const { return choices_; }

  // Leaves the current page forward when its choice is complete; otherwise shows the page's
  // message and stays. Entering the destination page with nothing to offer shows why.
  // Answers whether the page changed.
  bool Next();
  void Back();

  ReadySummary Summary() const;

  // Runs the copy from the ready page.
  CopyStylesOutcome Finish();

  // The validation texts, shown without an icon.
  static std::wstring NoSourceText();
  static std::wstring NoDestinationText();
  static std::wstring NoStylesText();
  // The message shown when no other extension uses the source's layout.
  static std::wstring NoOtherExtensionsText(const std::wstring& sourceId);

 private:
  void Refuse(const std::wstring& text);

  MRBBase& db_;
  DDFLibrary& library_;
  UserInterface& ui_;
  int page_ = kIntroPage;
  std::optional<std::wstring> source_;
  std::vector<std::wstring> destinations_;
  std::vector<std::wstring> choices_;
  StyleSet styles_;
};

}  // namespace mirn
