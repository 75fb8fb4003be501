#include "engine/data/file_bytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "platform/component/error.h"

namespace kelvane::files {
namespace {

int Base64Value(char c) {
  if (c >= 'A' && c <= 'Z') return c - 'A';
  if (c >= 'a' && c <= 'z') return c - 'a' + 26;
  if (c >= '0' && c <= '9') return c - '0' + 52;
  if (c == '+') return 62;
  if (c == '/') return 63;
  return -1;
}

[[noreturn]] void ThrowWriteError(const std::string& path, int error) {
  throw Error(ErrorKind::File,
              "cannot write " + path + ": " + std::error_code(error, std::generic_category()).message());
}

}  // namespace

std::optional<std::string> Base64Decode(std::string_view text) {
  std::string out;
  unsigned bits = 0;
  int count = 0;    // sextets in the current group
  int padding = 0;  // "=" seen; only more padding or white space may follow
  for (char c : text) {
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n') continue;
    if (c == '=') {
      if (count < 2 || count + ++padding > 4) return std::nullopt;
      continue;
    }
    const int value = Base64Value(c);
    if (value < 0 || padding > 0) return std::nullopt;
    bits = (bits << 6) | static_cast<unsigned>(value);
    if (++count == 4) {
      out.push_back(static_cast<char>((bits >> 16) & 0xFF));
      out.push_back(static_cast<char>((bits >> 8) & 0xFF));
      out.push_back(static_cast<char>(bits & 0xFF));
      bits = 0;
      count = 0;
    }
  }
  if (padding > 0 && count + padding != 4) return std::nullopt;
  if (count == 1) return std::nullopt;
  if (count == 2) out.push_back(static_cast<char>((bits >> 4) & 0xFF));
  if (count == 3) {
    out.push_back(static_cast<char>((bits >> 10) & 0xFF));
    out.push_back(static_cast<char>((bits >> 2) & 0xFF));
  }
  return out;
}

void WriteBytesAtomically(const std::string& path, std::string_view bytes) {
  std::string temporary = path + ".XXXXXX";
  const int fd = ::mkstemp(temporary.data());
  if (fd < 0) ThrowWriteError(path, errno);
  int error = ::fchmod(fd, 0644) == 0 ? 0 : errno;
  while (error == 0 && !bytes.empty()) {
    const ssize_t count = ::write(fd, bytes.data(), bytes.size());
    if (count < 0 && errno != EINTR) error = errno;
    if (count > 0) bytes.remove_prefix(static_cast<size_t>(count));
  }
  if (error == 0 && ::fsync(fd) != 0) error = errno;
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && ::rename(temporary.c_str(), path.c_str()) != 0) error = errno;
  if (error != 0) {
    ::unlink(temporary.c_str());
    ThrowWriteError(path, error);
  }
}

}  // namespace kelvane::files
