#include "settings/recent_folders.h"

#include <filesystem>
#include <system_error>

namespace selkan {

namespace {

std::string_view ValueName(FileKind kind) {
  switch (kind) {
    case FileKind::Configuration:
      return "ConfigurationFolder";
    case FileKind::ChannelList:
      return "ChannelListFolder";
    case FileKind::Listing:
      return "ListingFolder";
    case FileKind::Log:
      return "LogFolder";
  }
  return {};
}

}  // namespace

std::string RecentFolders::Folder(FileKind kind) const {
  const std::string folder = registry_.ReadText(key_, ValueName(kind)).value_or("");
  std::error_code error;
  return !folder.empty() && std::filesystem::is_directory(folder, error) ? folder : std::string();
}

void RecentFolders::Remember(FileKind kind, std::string_view filePath) {
  const std::filesystem::path folder = std::filesystem::path(filePath).parent_path();
  if (!folder.empty()) registry_.WriteText(key_, ValueName(kind), folder.string());
}

}  // namespace selkan
