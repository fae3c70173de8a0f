#pragma once
// One parsed layout template: the label's size, where the labels sit on a sheet, and the
// objects drawn on one label. Geometry is in twips, y growing downwards.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "templates/CDDFObject.h"

namespace mirn {

class ByteSource;

// The top-left corner of one label on the sheet, in twips. Labels fill slots 0, 1, 2, ...
struct LabelSlot {
  std::int32_t x = 0;
  std::int32_t y = 0;
  bool operator==(const LabelSlot&) const = default;
};

// The decoded header. Texts are decoded from Windows-1252 up to their first NUL.
struct CDDFHeader {
  std::wstring version;      // "270" (current) or "DDF" (older, 128-byte captions)
  // The reserved text after the version, which the format leaves to the writer: this
  // program keeps the layout's label stock there (SheetStock.h).
  std::wstring reservedText;
  std::wstring groupName;    // the group (maker) the layout belongs to
  std::wstring typeCode;     // up-cased
  std::wstring description;  // human-readable name of the layout
  bool landscape = false;    // the sheet is 11 x 8.5 inch rather than 8.5 x 11
  std::int32_t labelWidth = 0;
  std::int32_t labelHeight = 0;
  std::uint32_t slotCount = 0;
  std::uint32_t objectCount = 0;
};

// The header texts the library indexes a template by.
struct DDFHeaderInfo {
  std::wstring typeCode;  // up-cased
  std::wstring groupName;
  std::wstring description;
};

class CDDFTemplate {
 public:
  // Reads the whole template file (the reader is in DDFReader.cpp). `path` names the file
  // in messages and becomes the template's path. Throws DDFException naming the step that
  // failed; nothing partial is kept.
  static CDDFTemplate Load(const std::filesystem::path& path);
  static CDDFTemplate Load(const ByteSource& bytes, const std::wstring& path);
  // Reads and validates the header only. Answers false when validation fails; throws
  // DDFException when the file cannot be opened or has no readable header.
  static bool ReadInfo(const std::filesystem::path& path, DDFHeaderInfo& info);
  static bool ReadInfo(const ByteSource& bytes, const std::wstring& path, DDFHeaderInfo& info);

  const std::wstring& GetVersion() const { return header.version; }
  const std::wstring& GetTypeCode() const { return header.typeCode; }
  const std::wstring& GetGroupName() const { return header.groupName; }
  const std::wstring& GetDescription() const { return header.description; }
  bool IsLandscape() const { return header.landscape; }
  std::int32_t GetLabelWidth() const { return header.labelWidth; }
  std::int32_t GetLabelHeight() const { return header.labelHeight; }
  const std::vector<LabelSlot>& GetSlots() const { return slots; }
  const std::vector<CDDFObject>& GetObjects() const { return objects; }

  // The object with exactly this id (one of them, should ids repeat), or null.
  const CDDFObject* FindObject(std::uint32_t id) const;

  // Tab order over the selectable fields, in id order and wrapping at both ends: the next
  // field after id `after`, and the previous one before id `before`. Null when the template
  // has no selectable field.
  const CDDFObject* NextField(std::uint32_t after) const;
  const CDDFObject* PreviousField(std::uint32_t before) const;
  const CDDFObject* FirstField() const;
  // Number of objects with DDF_SELECT (the label's fields).
  std::size_t FieldCount() const;

  // Restores ascending unsigned id order after objects were added.
  void SortObjects();

  std::wstring path;  // full path of the file it was read from
  CDDFHeader header;
  std::vector<LabelSlot> slots;     // in file (sheet) order
  std::vector<CDDFObject> objects;  // ascending id
};

}  // namespace mirn
