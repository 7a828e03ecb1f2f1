#pragma once

#include <string>

namespace selkan {

// The hidden temporary file a save writes before it renames it over its
// target: ".NAME.XXXXXX.tmp" in the target's directory. The file is locked
// from its creation until it is renamed or removed, so that another save can
// tell the leftovers of a killed save (nobody holds their lock any more)
// from a save still running.
class TempFile {
 public:
  TempFile() = default;
  ~TempFile();  // closes and removes the file unless it was renamed
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;

  // Creates the file beside `target` with the given mode (the process's
  // umask applies). Returns 0 or the system's error number.
  int Create(const std::string& target, unsigned mode);
  int fd() const { return fd_; }
  const std::string& path() const { return path_; }
  // Renames the file over `target`; afterwards it is no longer removed and
  // its lock is released. Returns 0 or the system's error number.
  int RenameOver(const std::string& target);
  // Closes the file for writing (the lock stays); the close's error number,
  // or 0.
  int Close();

 private:
  void ReleaseLock();

  int fd_ = -1;
  int lock_ = -1;  // a second descriptor of the file, which holds its lock
  std::string path_;
};

// A test seam: when set, called with the temporary file's path after it has
// been written and closed, just before it is renamed over its target.
void SetBeforeRenameHook(void (*hook)(const std::string& temporaryPath));

// True when `fileName` is a temporary file that a save of `targetName` (both
// without directory) makes.
bool IsTemporaryFileOf(const std::string& fileName, const std::string& targetName);

// Removes the temporary files of `target` that no running save holds.
void RemoveStaleTemporaryFiles(const std::string& target);

// Flushes a directory's entries to disk (after a rename in it).
void SyncDirectoryOf(const std::string& path);

}  // namespace selkan
