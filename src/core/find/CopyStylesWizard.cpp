#include "find/CopyStylesWizard.h"

#include <algorithm>
#include <exception>

#include "db/MRBBase.h"
#include "platform/UserInterface.h"
#include "templates/DDFLibrary.h"
#include "util/Catalog.h"
#include "util/StringTable.h"

namespace mirn {

CopyStylesWizard::CopyStylesWizard(MRBBase& db, DDFLibrary& library, UserInterface& ui)
    : db_(db), library_(library), ui_(ui) {}

std::wstring CopyStylesWizard::StepHeading(int page) {
  return FormatString(Tr("CopyStylesWizard", "Step %1 of %2"),
                      {std::to_wstring(page + 1), std::to_wstring(kPageCount)});
}

std::wstring CopyStylesWizard::Instructions(int page) const {
  switch (page) {
    case kIntroPage:
      return Tr("CopyStylesWizard",
                "This procedure will copy information from one extension to other extensions.\n\n"
                "You can copy text, font selections and formatting choices from one extension to "
                "another.\n\nTo begin, press the 'Next' button below.");
    case kSourcePage:
      return Tr("CopyStylesWizard", "Select the extension to copy FROM, then click the 'Next' button.");
    case kDestinationPage:
      if (choices_.empty()) return Tr("CopyStylesWizard", "Press 'Back' to choose a different extension.");
      return Tr("CopyStylesWizard",
                "Select the extensions to copy TO. You can select more than one extension by "
                "holding down the Ctrl key while clicking your mouse button on the list. Press "
                "[Ctrl-/] to select all extensions.\n\nAfter making your selections, click the "
                "'Next' button.");
    case kStylesPage:
      return Tr("CopyStylesWizard",
                "Select the styles to be copied. When you are finished selecting styles, click "
                "the 'Finish' button.");
    case kReadyPage:
      return Tr("CopyStylesWizard",
                "The styles below will be copied. Press 'Copy' to start, or 'Back' to change your choices.");
    default:
      return {};
  }
}

std::wstring CopyStylesWizard::NoSourceText() {
  return Tr("CopyStylesWizard", "You must select an extension to copy from.");
}

std::wstring CopyStylesWizard::NoDestinationText() {
  return Tr("CopyStylesWizard", "You must select one or more extensions to copy to.");
}

std::wstring CopyStylesWizard::NoStylesText() {
  return Tr("CopyStylesWizard", "You must select one or more styles to be copied.");
}

std::wstring CopyStylesWizard::NoOtherExtensionsText(const std::wstring& sourceId) {
  return FormatString(
      Tr("CopyStylesWizard", "There are no other extensions that are of the same type as extension \"%1\"."),
      {sourceId});
}

void CopyStylesWizard::Refuse(const std::wstring& text) { ui_.Message(text, 0); }

bool CopyStylesWizard::Next() {
  switch (page_) {
    case kIntroPage:
      break;
    case kSourcePage: {
      if (!source_ || source_->empty() || !db_.ExtensionExists(*source_)) {
        Refuse(NoSourceText());
        return false;
      }
      choices_ = db_.GetExtensionsWithTypeCode(db_.GetTypeCode(*source_));
      std::erase(choices_, *source_);
      // Choices made for another source do not carry over.
      std::erase_if(destinations_, [&](const std::wstring& id) {
        return std::find(choices_.begin(), choices_.end(), id) == choices_.end();
      });
      page_ = kDestinationPage;
      if (choices_.empty()) Refuse(NoOtherExtensionsText(*source_));
      return true;
    }
    case kDestinationPage: {
      const bool offered = !destinations_.empty() && std::all_of(destinations_.begin(), destinations_.end(), [&](const std::wstring& id) {
        return std::find(choices_.begin(), choices_.end(), id) != choices_.end();
      });
      if (!offered) {
        Refuse(NoDestinationText());
        return false;
      }
      break;
    }
    case kStylesPage:
      if (styles_.Empty()) {
        Refuse(NoStylesText());
        return false;
      }
      break;
    default:
      return false;
  }
  ++page_;
  return true;
}

void CopyStylesWizard::Back() {
  if (page_ > kIntroPage) --page_;
}

CopyStylesWizard::ReadySummary CopyStylesWizard::Summary() const {
  ReadySummary summary;
  if (source_) {
    summary.sourceId = *source_;
    std::wstring typeCode;
    db_.GetExtension(*source_, typeCode, summary.sourceName);
    summary.sourceLayout = typeCode;
    try {
      if (library_.Contains(typeCode)) summary.sourceLayout = library_.GetInfo(typeCode).description;
    } catch (const std::exception&) {
    }
  }
  const long long destinations = static_cast<long long>(destinations_.size());
  summary.destination = destinations == 1
                            ? destinations_.front()
                            : TrN("CopyStylesWizard", "%n selected extensions", "%n selected extension", destinations);
  summary.styles = styles_.Describe();
  return summary;
}

CopyStylesOutcome CopyStylesWizard::Finish() {
  if (page_ != kReadyPage || !source_) return {};
  return RunCopyStyles(db_, library_, ui_, {*source_, destinations_, styles_});
}

}  // namespace mirn
