#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/radio_image.h"

namespace selkan {

// One kept copy of a radio's memory.
struct BackupEntry {
  std::filesystem::path path;
  std::string when;            // "2026-03-01 14:05:09", local time
  std::string radioType;       // the type part of the name, "SK-100"
  std::string identification;  // what the radio sent in its handshake; empty when not known
  std::uintmax_t size = 0;
};

// The copies of the radio taken before each write, one *.dat file each in
// one folder, named after the local time and the radio type:
// "20260301-140509_SK-100.dat" (a second one in the same second gets
// "20260301-140509-2_SK-100.dat"). Only files named that way are listed or
// ever deleted. The radio's identification goes beside a backup, as one
// line of text in a file of the same name ending in ".id".
class BackupStore {
 public:
  static constexpr std::size_t kKeptPerType = 20;

  explicit BackupStore(std::filesystem::path directory, std::size_t keptPerType = kKeptPerType);

  const std::filesystem::path& Directory() const { return directory_; }

  // Writes the image as a new backup (creating the folder when needed), then
  // deletes the oldest backups of the same radio type beyond the number
  // kept. nullopt with *error when the backup could not be written; an old
  // backup that cannot be deleted is left.
  // The identification is kept when given; a failure there fails nothing.
  std::optional<std::filesystem::path> Save(const RadioImage& image, std::string_view radioType,
                                            std::chrono::system_clock::time_point when,
                                            std::string* error = nullptr,
                                            std::string_view identification = {});

  // The backups in the folder, oldest first.
  std::vector<BackupEntry> List() const;

  // Deletes a backup of this folder and its identification. Anything else
  // (another folder, a name not a backup's, not a regular file) is refused:
  // false with *error, as when the file cannot be deleted.
  bool Remove(const std::filesystem::path& backup, std::string* error = nullptr) const;

 private:
  void Rotate(const std::string& radioType) const;

  std::filesystem::path directory_;
  std::size_t keptPerType_;
};

// The backups newest first, as a list to choose from shows them.
std::vector<BackupEntry> NewestFirst(std::vector<BackupEntry> entries);

// The backups of one radio type (its name in either letter case), in their
// order; all of them for an empty type.
std::vector<BackupEntry> OfRadioType(const std::vector<BackupEntry>& entries,
                                     std::string_view radioType);

// The radio types among the backups, each once, sorted.
std::vector<std::string> RadioTypesOf(const std::vector<BackupEntry>& entries);

// The radio-type part of a backup name: the type's name from the product
// profile with only letters, digits, '-', '.' and '_' kept, or "type<n>" (n
// counting from 1) when nothing of the name is left.
std::string BackupTypeLabel(int typeIndex, std::string_view typeName);
// The same with the type's name looked up in the profile's list of names
// (none for an index beyond it).
std::string BackupTypeLabelAmong(int typeIndex, const std::vector<std::string>& typeNames);

}  // namespace selkan
