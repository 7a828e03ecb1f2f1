#pragma once

#include <string>
#include <string_view>

#include "platform/registry.h"

namespace selkan {

// The kinds of file the program asks the user for, each with a folder of
// its own: configurations (Open, Save As, Compare With), channel lists
// (Import and Export Channels), printed listings (Export PDF) and the logs
// of runs over many radios (Save Log).
enum class FileKind { Configuration, ChannelList, Listing, Log };

// The folder in which the user last chose a file of each kind, kept in the
// per-user registry so that the next run starts there too.
class RecentFolders {
 public:
  RecentFolders(Registry& registry, std::string key) : registry_(registry), key_(std::move(key)) {}

  // The remembered folder while it still is one; empty otherwise.
  std::string Folder(FileKind kind) const;
  // Remembers the folder of a chosen file (an absolute path).
  void Remember(FileKind kind, std::string_view filePath);

 private:
  Registry& registry_;
  std::string key_;
};

}  // namespace selkan
