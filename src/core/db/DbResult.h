#pragma once
// Result codes of the label database operations, and the answers of format detection.
// Operations return these integers and never throw.

#include <string>

namespace mirn {

namespace db {
inline constexpr int kOk = 0;
inline constexpr int kNoRow = 1;               // the lookup found no row
inline constexpr int kSqlFailed = 2;           // prepare, bind or step did not end in a row or done
inline constexpr int kNotCurrentFormat = 3;    // version 300 missing: not a current database
inline constexpr int kLegacyFailed = 5;        // reading or converting a legacy file failed
inline constexpr int kNotOpen = 8;             // no database is open
inline constexpr int kEmptyId = 9;             // the extension id is empty
inline constexpr int kCannotCopyOrLock = 10;   // the file is open elsewhere or cannot be read
inline constexpr int kExtensionExists = 11;
inline constexpr int kNoSuchExtension = 12;
inline constexpr int kEmptyGraphicSlot = 13;
inline constexpr int kBadGraphic = 14;         // the graphic description does not parse
inline constexpr int kGraphicIo = 15;          // reading or writing a picture file or stored picture
inline constexpr int kVersionMissing = 16;     // the schema version needed is not available
// The working copy could not be written back into the user's file. The file keeps its
// previous content, the database stays modified and the working copy keeps the changes.
inline constexpr int kSaveFailed = 17;
inline constexpr int kReadOnly = 18;           // the user may not write the file
inline constexpr int kDiskFull = 19;           // no space left on the device
}  // namespace db

// Answers of DetectFormat.
namespace format {
inline constexpr int kNone = 0;      // not a label database (or unreadable)
inline constexpr int kLegacy = 2;    // the previous generation's packed tables
inline constexpr int kCurrent = 3;   // the SQLite format with version 300
inline constexpr int kNewer = 999;   // written by a newer generation that dropped 300
}  // namespace format

// What a result code means, in words, for messages ("an extension with that id already exists").
std::wstring DbResultText(int code);

}  // namespace mirn
