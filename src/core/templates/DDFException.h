#pragma once
// The exceptions of the template subsystem. Each carries one wide-string message, built once
// where the failure is found; what() gives the same text in UTF-8 for logs.

#include <exception>
#include <string>

namespace mirn {

class TemplateError : public std::exception {
 public:
  explicit TemplateError(std::wstring message);
  const std::wstring& Message() const { return message_; }
  const char* what() const noexcept override { return utf8_.c_str(); }

 private:
  std::wstring message_;
  std::string utf8_;
};

// A template file that cannot be opened, read or validated.
class DDFException : public TemplateError {
 public:
  using TemplateError::TemplateError;
};

// A type code the library does not hold.
class DDFLibraryException : public TemplateError {
 public:
  using TemplateError::TemplateError;
};

// A type code without a conversion.
class DDFConversionException : public TemplateError {
 public:
  using TemplateError::TemplateError;
};

}  // namespace mirn
