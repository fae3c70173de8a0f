#pragma once
// What is wrong with a layout before it is saved, each problem with a message that names
// the object or label it is about. Errors keep a layout from being saved; warnings are said
// and may be passed over.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace mirn {

class CDDFTemplate;
class DDFLibrary;

enum class LayoutProblemKind {
  NoTypeCode,          // error
  TypeCodeTaken,       // the library has another file with this type code: ask
  TextTooLong,         // error: a text longer than its field in the file
  NoLabelSize,         // error
  IdUsedTwice,         // error
  PictureId,           // error: a text field id among the pictures' 1 to 1024
  ObjectOutsideLabel,  // warning
  NoSlots,             // warning: the layout cannot be printed
  SlotOutsideSheet,    // warning
  SlotsOverlap,        // warning
};

struct LayoutProblem {
  LayoutProblemKind kind = LayoutProblemKind::NoTypeCode;
  std::wstring message;
  std::optional<std::uint32_t> objectId{};  // the object it is about
  std::vector<int> slots{};               // the slots it is about, 0-based
  bool IsError() const {
    return kind == LayoutProblemKind::NoTypeCode || kind == LayoutProblemKind::TextTooLong ||
           kind == LayoutProblemKind::NoLabelSize || kind == LayoutProblemKind::IdUsedTwice ||
           kind == LayoutProblemKind::PictureId;
  }
};

// The problems of a layout, errors first. With a library, a type code that the library
// knows from a file other than `ownFile` is a TypeCodeTaken problem.
std::vector<LayoutProblem> ValidateLayout(const CDDFTemplate& layout, const DDFLibrary* library = nullptr,
                                          const std::filesystem::path& ownFile = {});

bool HasErrors(const std::vector<LayoutProblem>& problems);

}  // namespace mirn
