#include "platform/xml/whole_files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <filesystem>
#include <memory>
#include <system_error>
#include <utility>

#include "platform/component/error.h"

namespace kelvane::xml {
namespace {

std::string ErrnoText(int error) { return std::error_code(error, std::generic_category()).message(); }

[[noreturn]] void ThrowSaveError(const std::string& path, const std::string& reason) {
  throw Error(ErrorKind::File, "cannot save " + path + ": " + reason);
}

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd = -1) : fd_(fd) {}
  ~FileDescriptor() { Reset(); }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;

  int get() const { return fd_; }
  int Release() { return std::exchange(fd_, -1); }
  void Reset(int fd = -1) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = fd;
  }

 private:
  int fd_;
};

struct CloseDir {
  void operator()(DIR* dir) const { ::closedir(dir); }
};

bool SameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// mkstemp's pattern: the target's name, a dot and six letters or digits.
constexpr char kTemporarySuffix[] = ".XXXXXX";
constexpr size_t kRandomLetters = 6;
static_assert(sizeof kTemporarySuffix - 1 == kTemporaryNameBytes);

bool IsTemporaryOf(std::string_view name, std::string_view target_name) {
  if (name.size() != target_name.size() + 1 + kRandomLetters) return false;
  if (name.substr(0, target_name.size()) != target_name || name[target_name.size()] != '.') return false;
  for (char c : name.substr(target_name.size() + 1))
    if (!std::isalnum(static_cast<unsigned char>(c))) return false;
  return true;
}

// A save in progress holds a lock on its temporary file until the rename, so a file of the
// pattern that can be locked was left by a save that never finished. Only plain files of
// this user go; anything that fails to check is left alone.
void RemoveAbandonedTemporaries(const std::filesystem::path& target) {
  const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
  const std::string target_name = target.filename().string();
  std::unique_ptr<DIR, CloseDir> dir(::opendir(folder.c_str()));
  if (!dir) return;
  const int dir_fd = ::dirfd(dir.get());
  while (const dirent* entry = ::readdir(dir.get())) {
    if (!IsTemporaryOf(entry->d_name, target_name)) continue;
    FileDescriptor file(::openat(dir_fd, entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat opened {}, named {};
    if (file.get() < 0 || ::fstat(file.get(), &opened) != 0 || !S_ISREG(opened.st_mode) ||
        opened.st_uid != ::geteuid() || ::flock(file.get(), LOCK_EX | LOCK_NB) != 0)
      continue;
    // Still the file that was locked, not one put in its place since.
    if (::fstatat(dir_fd, entry->d_name, &named, AT_SYMLINK_NOFOLLOW) == 0 && SameFile(opened, named))
      ::unlinkat(dir_fd, entry->d_name, 0);
  }
}

// A temporary file beside the target, locked while it lives; removed unless renamed into place.
class TemporaryFile {
 public:
  explicit TemporaryFile(const std::string& target) {
    // A clean-up may take a file in the moment before it is locked: then make another.
    for (int attempt = 0; attempt < 5 && file_.get() < 0; ++attempt) {
      path_ = target + kTemporarySuffix;
      FileDescriptor file(::mkstemp(path_.data()));
      if (file.get() < 0) ThrowSaveError(target, ErrnoText(errno));
      struct stat opened {}, named {};
      if (::flock(file.get(), LOCK_EX) == 0 && ::fstat(file.get(), &opened) == 0 &&
          ::stat(path_.c_str(), &named) == 0 && SameFile(opened, named))
        file_.Reset(file.Release());
    }
    if (file_.get() < 0) ThrowSaveError(target, "cannot keep a temporary file beside it");
  }
  ~TemporaryFile() {
    if (!renamed_) ::unlink(path_.c_str());
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  // Writes, puts the data on disk and renames over `target`; returns 0 or an errno value. The
  // file stays open, and so locked, until the rename.
  int Commit(std::string_view bytes, mode_t mode, const std::string& target) {
    if (::fchmod(file_.get(), mode) != 0) return errno;
    while (!bytes.empty()) {
      const ssize_t count = ::write(file_.get(), bytes.data(), bytes.size());
      if (count < 0) {
        if (errno == EINTR) continue;
        return errno;
      }
      bytes.remove_prefix(static_cast<size_t>(count));
    }
    if (::fsync(file_.get()) != 0) return errno;
    if (::rename(path_.c_str(), target.c_str()) != 0) return errno;
    renamed_ = true;
    file_.Reset();
    return 0;
  }

 private:
  std::string path_;
  FileDescriptor file_;
  bool renamed_ = false;
};

// The rename lasts a power cut only once the folder is on disk too. A file system that can't
// sync folders says EINVAL; there is nothing more to do then.
int SyncFolderOf(const std::filesystem::path& target) {
  const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
  FileDescriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.get() < 0) return errno;
  if (::fsync(dir.get()) != 0 && errno != EINVAL) return errno;
  return 0;
}

}  // namespace

std::string ReadWholeFile(const std::string& path, std::string& content) {
  FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (file.get() < 0) return "cannot open " + path + ": " + ErrnoText(errno);
  char chunk[65536];
  for (;;) {
    const ssize_t count = ::read(file.get(), chunk, sizeof chunk);
    if (count == 0) return {};
    if (count < 0) {
      if (errno == EINTR) continue;
      return "cannot read " + path + ": " + ErrnoText(errno);
    }
    content.append(chunk, static_cast<size_t>(count));
  }
}

void ReplaceFile(const std::string& path, std::string_view bytes) {
  mode_t mode = 0644;
  struct stat info {};
  if (::stat(path.c_str(), &info) == 0) {
    // Checked by hand: root may write to anything, but a read-only results file must stay as it is.
    if ((info.st_mode & S_IWUSR) == 0) ThrowSaveError(path, "the file is read-only");
    mode = info.st_mode & 07777;
  } else if (errno != ENOENT) {
    ThrowSaveError(path, ErrnoText(errno));
  }
  RemoveAbandonedTemporaries(path);
  TemporaryFile temporary(path);
  if (const int error = temporary.Commit(bytes, mode, path)) ThrowSaveError(path, ErrnoText(error));
  if (const int error = SyncFolderOf(path)) ThrowSaveError(path, ErrnoText(error));
}

}  // namespace kelvane::xml
