#include "platform/component/error.h"

namespace kelvane {

const char* ErrorKindName(ErrorKind kind) {
  switch (kind) {
    case ErrorKind::TypeMismatch: return "type mismatch";
    case ErrorKind::Overflow: return "overflow";
    case ErrorKind::SubscriptOutOfRange: return "subscript out of range";
    case ErrorKind::ObjectMissing: return "object missing";
    case ErrorKind::File: return "file";
    case ErrorKind::Other: return "other";
  }
  return "other";
}

}  // namespace kelvane
