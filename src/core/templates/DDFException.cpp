#include "templates/DDFException.h"

#include "util/Text.h"

namespace mirn {

TemplateError::TemplateError(std::wstring message)
    : message_(std::move(message)), utf8_(ToUtf8(message_)) {}

}  // namespace mirn
