#pragma once
// A library loaded with its first use (dlopen) instead of being linked: libraries that only
// some commands need (Excel workbooks, zip archives, picture digests, HTTP) were loaded, with
// all the libraries they need in turn, at every start of both programs, and their loading was
// a visible share of the window's start-up. The package names each of them in its Depends.

#include <dlfcn.h>

#include <string>

namespace mirn {

class SharedLibrary {
 public:
  // Loads `soname` ("libzip.so.4"); it stays loaded for the rest of the run.
  explicit SharedLibrary(const char* soname);
  bool Loaded() const { return handle_ != nullptr && error_.empty(); }
  // Why it could not be loaded, or which function it lacked; empty when it is usable.
  const std::string& Error() const { return error_; }
  // Points `function` at the library's `name`; a missing one makes the library unusable.
  template <class Function>
  void Find(const char* name, Function& function) {
    function = handle_ ? reinterpret_cast<Function>(::dlsym(handle_, name)) : nullptr;
    if (!function && error_.empty()) error_ = soname_ + " lacks " + name;
  }

 private:
  std::string soname_;
  void* handle_ = nullptr;
  std::string error_;
};

}  // namespace mirn
