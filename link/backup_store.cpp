#include "link/backup_store.h"

#include <algorithm>
#include <cctype>
#include <ctime>
#include <fstream>
#include <system_error>

#include "platform/atomic_file.h"

namespace selkan {

namespace fs = std::filesystem;

namespace {

constexpr char kExtension[] = ".dat";
constexpr char kIdentificationExtension[] = ".id";
constexpr std::size_t kLongestIdentification = 256;  // more is not an identification of ours
constexpr int kMostInOneSecond = 999;

bool IsLabelChar(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '-' || c == '.' || c == '_';
}

bool AllDigits(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
  });
}

// The parts of a backup's file name.
struct BackupName {
  std::string stamp;  // "20260301-140509"
  int sequence = 1;   // 2, 3, ... for further backups in the same second
  std::string radioType;
};

std::optional<BackupName> ParseName(const std::string& fileName) {
  const std::string_view name(fileName);
  const std::size_t extension = sizeof kExtension - 1;
  if (name.size() <= extension || !name.ends_with(kExtension)) return std::nullopt;
  const std::string_view stem = name.substr(0, name.size() - extension);
  const std::size_t underscore = stem.find('_');
  if (underscore == std::string_view::npos) return std::nullopt;
  const std::string_view time = stem.substr(0, underscore);
  const std::string_view type = stem.substr(underscore + 1);
  if (type.empty() || !std::all_of(type.begin(), type.end(), IsLabelChar)) return std::nullopt;
  if (time.size() < 15 || !AllDigits(time.substr(0, 8)) || time[8] != '-' ||
      !AllDigits(time.substr(9, 6))) {
    return std::nullopt;
  }
  BackupName parsed{std::string(time.substr(0, 15)), 1, std::string(type)};
  if (time.size() > 15) {
    const std::string_view sequence = time.substr(16);
    if (time[15] != '-' || !AllDigits(sequence) || sequence.size() > 3) return std::nullopt;
    parsed.sequence = std::stoi(std::string(sequence));
  }
  return parsed;
}

std::string FileName(const std::string& stamp, int sequence, std::string_view radioType) {
  std::string name = stamp;
  if (sequence > 1) name += '-' + std::to_string(sequence);
  return name + "_" + std::string(radioType) + kExtension;
}

std::string Stamp(std::chrono::system_clock::time_point when) {
  const std::time_t seconds = std::chrono::system_clock::to_time_t(when);
  std::tm local{};
  localtime_r(&seconds, &local);
  char text[32];
  std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
  return text;
}

// "20260301-140509" as "2026-03-01 14:05:09".
std::string Readable(const std::string& stamp) {
  return stamp.substr(0, 4) + "-" + stamp.substr(4, 2) + "-" + stamp.substr(6, 2) + " " +
         stamp.substr(9, 2) + ":" + stamp.substr(11, 2) + ":" + stamp.substr(13, 2);
}

fs::path IdentificationPath(const fs::path& backup) {
  fs::path path = backup;
  return path.replace_extension(kIdentificationExtension);
}

// The identification kept beside a backup: its first line, or nothing.
std::string ReadIdentification(const fs::path& backup) {
  const fs::path path = IdentificationPath(backup);
  std::error_code error;
  if (fs::symlink_status(path, error).type() != fs::file_type::regular) return {};
  std::ifstream in(path, std::ios::binary);
  std::string text(kLongestIdentification, '\0');
  in.read(text.data(), static_cast<std::streamsize>(text.size()));
  text.resize(static_cast<std::size_t>(in.gcount()));
  return text.substr(0, text.find_first_of("\r\n"));
}

bool Lowered(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) ==
           std::tolower(static_cast<unsigned char>(y));
  });
}

struct Found {
  BackupName name;
  BackupEntry entry;
};

// Our backups in the folder, oldest first. Only regular files count.
std::vector<Found> Scan(const fs::path& directory) {
  std::vector<Found> found;
  std::error_code error;
  for (fs::directory_iterator it(directory, error), end; !error && it != end; it.increment(error)) {
    std::error_code statusError;
    if (!it->is_regular_file(statusError) || it->is_symlink(statusError)) continue;
    const std::optional<BackupName> name = ParseName(it->path().filename().string());
    if (!name) continue;
    std::error_code sizeError;
    const std::uintmax_t size = it->file_size(sizeError);
    found.push_back({*name,
                     {it->path(), Readable(name->stamp), name->radioType,
                      ReadIdentification(it->path()), sizeError ? 0 : size}});
  }
  std::sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
    if (a.name.stamp != b.name.stamp) return a.name.stamp < b.name.stamp;
    if (a.name.sequence != b.name.sequence) return a.name.sequence < b.name.sequence;
    return a.entry.path < b.entry.path;
  });
  return found;
}

}  // namespace

std::string BackupTypeLabel(int typeIndex, std::string_view typeName) {
  std::string label;
  for (char c : typeName) {
    if (IsLabelChar(c)) label += c;
  }
  const bool readable = std::any_of(label.begin(), label.end(), [](char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0;
  });
  return readable ? label : "type" + std::to_string(typeIndex + 1);
}

std::string BackupTypeLabelAmong(int typeIndex, const std::vector<std::string>& typeNames) {
  const bool named = typeIndex >= 0 && static_cast<std::size_t>(typeIndex) < typeNames.size();
  return BackupTypeLabel(typeIndex, named ? typeNames[static_cast<std::size_t>(typeIndex)] : "");
}

BackupStore::BackupStore(fs::path directory, std::size_t keptPerType)
    : directory_(std::move(directory)), keptPerType_(std::max<std::size_t>(keptPerType, 1)) {}

std::optional<fs::path> BackupStore::Save(const RadioImage& image, std::string_view radioType,
                                          std::chrono::system_clock::time_point when,
                                          std::string* error, std::string_view identification) {
  auto fail = [&](const std::string& text) -> std::optional<fs::path> {
    if (error) *error = text;
    return std::nullopt;
  };
  if (radioType.empty() || !std::all_of(radioType.begin(), radioType.end(), IsLabelChar))
    return fail("the radio type '" + std::string(radioType) + "' cannot name a file");
  std::error_code code;
  fs::create_directories(directory_, code);
  if (code) return fail("cannot create " + directory_.string() + ": " + code.message());

  const std::string stamp = Stamp(when);
  for (int sequence = 1; sequence <= kMostInOneSecond; ++sequence) {
    const fs::path path = directory_ / FileName(stamp, sequence, radioType);
    std::error_code exists;
    if (fs::symlink_status(path, exists).type() != fs::file_type::not_found) continue;
    std::string writeError;
    if (!WriteFileAtomically(path, image, &writeError)) return fail(writeError);
    if (!identification.empty()) {
      const std::string line = std::string(identification) + "\n";
      WriteFileAtomically(
          IdentificationPath(path),
          std::span(reinterpret_cast<const std::uint8_t*>(line.data()), line.size()));
    }
    Rotate(std::string(radioType));
    return path;
  }
  return fail("too many backups named " + stamp + " in " + directory_.string());
}

std::vector<BackupEntry> BackupStore::List() const {
  std::vector<BackupEntry> entries;
  for (Found& found : Scan(directory_)) entries.push_back(std::move(found.entry));
  return entries;
}

bool BackupStore::Remove(const fs::path& backup, std::string* error) const {
  auto fail = [&](const std::string& text) {
    if (error) *error = text;
    return false;
  };
  std::error_code code;
  const bool ours = backup.parent_path().lexically_normal() == directory_.lexically_normal() &&
                    ParseName(backup.filename().string()).has_value() &&
                    fs::symlink_status(backup, code).type() == fs::file_type::regular;
  if (!ours) return fail(backup.string() + " is not a backup in " + directory_.string());
  if (!fs::remove(backup, code))
    return fail("cannot delete " + backup.string() + ": " + code.message());
  fs::remove(IdentificationPath(backup), code);  // what is left of it says nothing on its own
  return true;
}

std::vector<BackupEntry> NewestFirst(std::vector<BackupEntry> entries) {
  std::reverse(entries.begin(), entries.end());
  return entries;
}

std::vector<BackupEntry> OfRadioType(const std::vector<BackupEntry>& entries,
                                     std::string_view radioType) {
  std::vector<BackupEntry> chosen;
  for (const BackupEntry& entry : entries) {
    if (radioType.empty() || Lowered(entry.radioType, radioType)) chosen.push_back(entry);
  }
  return chosen;
}

std::vector<std::string> RadioTypesOf(const std::vector<BackupEntry>& entries) {
  std::vector<std::string> types;
  for (const BackupEntry& entry : entries) types.push_back(entry.radioType);
  std::sort(types.begin(), types.end());
  types.erase(std::unique(types.begin(), types.end()), types.end());
  return types;
}

void BackupStore::Rotate(const std::string& radioType) const {
  std::vector<Found> same;
  for (Found& found : Scan(directory_)) {
    if (found.name.radioType == radioType) same.push_back(std::move(found));
  }
  if (same.size() <= keptPerType_) return;
  for (std::size_t i = 0; i + keptPerType_ < same.size(); ++i) {
    std::error_code ignored;  // housekeeping: a file that stays is no harm
    if (fs::remove(same[i].entry.path, ignored))
      fs::remove(IdentificationPath(same[i].entry.path), ignored);
  }
}

}  // namespace selkan
