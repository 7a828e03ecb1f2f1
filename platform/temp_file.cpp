#include "platform/temp_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <random>

namespace selkan {

namespace {

constexpr std::string_view kSuffix = ".tmp";
constexpr std::size_t kRandomChars = 6;
// Long names are cut in the temporary name, which must stay within the
// system's 255 bytes.
constexpr std::size_t kNameCharsKept = 200;
constexpr std::string_view kAlphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr int kCreateAttempts = 100;

void (*g_beforeRename)(const std::string&) = nullptr;

std::string DirectoryOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string NameOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string Prefix(const std::string& targetName) {
  return '.' + targetName.substr(0, kNameCharsKept) + '.';
}

}  // namespace

TempFile::~TempFile() {
  // Unlinked before the lock goes, so that no other save takes the name for
  // a leftover meanwhile.
  if (!path_.empty()) ::unlink(path_.c_str());
  Close();
  ReleaseLock();
}

void TempFile::ReleaseLock() {
  if (lock_ >= 0) ::close(lock_);
  lock_ = -1;
}

int TempFile::Create(const std::string& target, unsigned mode) {
  const std::string stem = DirectoryOf(target) + Prefix(NameOf(target));
  std::random_device seed;
  std::mt19937 random(seed());
  std::uniform_int_distribution<std::size_t> pick(0, kAlphabet.size() - 1);
  for (int attempt = 0; attempt < kCreateAttempts; ++attempt) {
    std::string path = stem;
    for (std::size_t i = 0; i < kRandomChars; ++i) path += kAlphabet[pick(random)];
    path += kSuffix;
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                          static_cast<mode_t>(mode));
    if (fd < 0) {
      if (errno == EEXIST) continue;
      return errno;
    }
    // Another save's sweep may have taken the file between its creation and
    // the lock; then it is unlinked, and another name is tried.
    struct stat status {};
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::fstat(fd, &status) != 0 || status.st_nlink == 0) {
      ::close(fd);
      continue;
    }
    // The lock belongs to the open file, which this copy keeps open when the
    // file is closed for writing, up to the rename.
    lock_ = ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
    if (lock_ < 0) {
      const int code = errno;
      ::unlink(path.c_str());
      ::close(fd);
      return code;
    }
    fd_ = fd;
    path_ = std::move(path);
    return 0;
  }
  return EEXIST;
}

int TempFile::Close() {
  if (fd_ < 0) return 0;
  const int result = ::close(fd_);
  fd_ = -1;
  return result == 0 ? 0 : errno;
}

int TempFile::RenameOver(const std::string& target) {
  if (g_beforeRename != nullptr) g_beforeRename(path_);
  if (::rename(path_.c_str(), target.c_str()) != 0) return errno;
  path_.clear();
  ReleaseLock();  // now that the name is gone, at once rather than when this copy goes
  return 0;
}

void SetBeforeRenameHook(void (*hook)(const std::string&)) { g_beforeRename = hook; }

bool IsTemporaryFileOf(const std::string& fileName, const std::string& targetName) {
  const std::string prefix = Prefix(targetName);
  if (fileName.size() != prefix.size() + kRandomChars + kSuffix.size()) return false;
  if (!fileName.starts_with(prefix) || !fileName.ends_with(kSuffix)) return false;
  for (std::size_t i = prefix.size(); i < prefix.size() + kRandomChars; ++i) {
    if (kAlphabet.find(fileName[i]) == std::string_view::npos) return false;
  }
  return true;
}

void RemoveStaleTemporaryFiles(const std::string& target) {
  const std::string directory = DirectoryOf(target);
  const std::string name = NameOf(target);
  DIR* listing = ::opendir(directory.empty() ? "." : directory.c_str());
  if (listing == nullptr) return;
  while (const dirent* entry = ::readdir(listing)) {
    if (!IsTemporaryFileOf(entry->d_name, name)) continue;
    const std::string path = directory + entry->d_name;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) continue;
    struct stat held {};
    struct stat named {};
    // Only a file whose save is gone (its lock is free) is removed, and only
    // if the name still belongs to the file that was locked.
    if (::fstat(fd, &held) == 0 && S_ISREG(held.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
        ::lstat(path.c_str(), &named) == 0 && named.st_dev == held.st_dev &&
        named.st_ino == held.st_ino) {
      ::unlink(path.c_str());
    }
    ::close(fd);
  }
  ::closedir(listing);
}

void SyncDirectoryOf(const std::string& path) {
  const std::string directory = DirectoryOf(path);
  const int fd =
      ::open(directory.empty() ? "." : directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  // Some file systems cannot flush a directory; the rename stands all the same.
  ::fsync(fd);
  ::close(fd);
}

}  // namespace selkan
