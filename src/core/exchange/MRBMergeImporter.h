#pragma once
// Merging another label database (of either generation) into the open one: every
// extension of the source is copied with all its stored fields, graphic slots included.
// The source is only read; the command opens it through its own working copy.

#include "exchange/MRBImporter.h"

namespace mirn {

class MRBMergeImporter final : public MRBImporter {
 public:
  // Both databases are borrowed and must outlive the importer.
  MRBMergeImporter(MRBBase& target, MRBBase& source);

  // The number of extensions in the source.
  long long CountRecords() override;
  long long Import(const ExtensionCallable& replace, const ExtensionCallable& progress) override;

  // Embedded pictures of the last Import that could not be copied into the target.
  long long PicturesNotCopied() const { return picturesNotCopied_; }

 private:
  // Makes the picture `hash` of the source readable in the target: copies its stored
  // bytes (under their original file name) unless the target holds them already.
  bool CopyPicture(const std::wstring& hash);

  MRBBase* source_ = nullptr;
  long long picturesNotCopied_ = 0;
};

}  // namespace mirn
