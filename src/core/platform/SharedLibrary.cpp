#include "platform/SharedLibrary.h"

namespace mirn {

SharedLibrary::SharedLibrary(const char* soname) : soname_(soname) {
  handle_ = ::dlopen(soname, RTLD_NOW | RTLD_LOCAL);
  if (!handle_) {
    const char* why = ::dlerror();
    error_ = why ? why : soname_ + " cannot be loaded";
  }
}

}  // namespace mirn
