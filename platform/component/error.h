// Errors that engine members raise across the interface.
#pragma once

#include <stdexcept>
#include <string>

namespace kelvane {

enum class ErrorKind {
  TypeMismatch,
  Overflow,
  SubscriptOutOfRange,
  ObjectMissing,
  File,
  Other,
};

// Short lower-case name of a kind, as callers print it ("type mismatch", ...).
const char* ErrorKindName(ErrorKind kind);

class Error : public std::runtime_error {
 public:
  Error(ErrorKind kind, const std::string& message)
      : std::runtime_error(message), kind_(kind) {}
  ErrorKind kind() const { return kind_; }
  // "kind: message", the form that tools and message boxes show.
  std::string Describe() const { return std::string(ErrorKindName(kind_)) + ": " + what(); }

 private:
  ErrorKind kind_;
};

}  // namespace kelvane
