#include "link/fleet_log.h"

#include <cerrno>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "link/fleet.h"

#ifndef _WIN32
#include <unistd.h>
#endif

namespace selkan {

namespace {

std::string Quoted(std::string_view field) {
  if (field.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(field);
  std::string text = "\"";
  for (char c : field) text += c == '"' ? std::string("\"\"") : std::string(1, c);
  return text + "\"";
}

std::string Seconds(double seconds) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", seconds);
  return text;
}

}  // namespace

std::string IsoLocalTime(std::chrono::system_clock::time_point when) {
  const std::time_t seconds = std::chrono::system_clock::to_time_t(when);
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &seconds);
#else
  localtime_r(&seconds, &local);
#endif
  char text[40];
  std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S%z", &local);
  std::string iso = text;  // the offset as +hhmm
  if (iso.size() >= 5) iso.insert(iso.size() - 2, ":");
  return iso;
}

std::string FleetStamp(std::chrono::system_clock::time_point when) {
  const std::time_t seconds = std::chrono::system_clock::to_time_t(when);
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &seconds);
#else
  localtime_r(&seconds, &local);
#endif
  char text[32];
  std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
  return text;
}

std::string FleetLogLine(const FleetRecord& record) {
  const std::string fields[] = {std::to_string(record.number),
                                IsoLocalTime(record.start),
                                Seconds(record.seconds),
                                record.identification,
                                record.backupPath,
                                record.Result(),
                                record.document,
                                record.imageHash,
                                record.port};
  std::string line = Quoted(fields[0]);
  for (std::size_t i = 1; i < std::size(fields); ++i) line += ',' + Quoted(fields[i]);
  return line;
}

FleetLog::~FleetLog() {
  if (owned_ && file_ != nullptr) std::fclose(file_);
}

bool FleetLog::Open(const std::string& path, std::string* error) {
  path_ = path;
  if (path == "-") {
    file_ = stdout;
    return WriteLine(std::string(kFleetLogHeader), error);
  }
  std::error_code statusError;
  const auto status = std::filesystem::status(path, statusError);
  if (std::filesystem::is_regular_file(status)) {
    // An existing file's first line says whether it is a log of ours. (Only
    // a regular file is read: opening a FIFO to read would wait for a
    // writer.)
    std::ifstream existing(path, std::ios::binary);
    std::string first(kFleetLogHeader.size() + 2, '\0');
    existing.read(first.data(), static_cast<std::streamsize>(first.size()));
    first.resize(static_cast<std::size_t>(existing.gcount()));
    const bool empty = first.empty();
    first = first.substr(0, first.find_first_of("\r\n"));
    if (!empty && first != kFleetLogHeader) {
      if (error) *error = path + " exists and is not a fleet log";
      return false;
    }
  }
  file_ = std::fopen(path.c_str(), "ab");
  if (file_ == nullptr) {
    if (error) *error = "cannot open " + path + ": " + std::strerror(errno);
    return false;
  }
  owned_ = true;
  std::fseek(file_, 0, SEEK_END);
  if (std::ftell(file_) > 0) return true;  // a log already: the lines go on
  return WriteLine(std::string(kFleetLogHeader), error);
}

bool FleetLog::Append(const FleetRecord& record, std::string* error) {
  return WriteLine(FleetLogLine(record), error);
}

bool FleetLog::WriteLine(std::string line, std::string* error) {
  if (file_ == nullptr) {
    if (error) *error = "the log is not open";
    return false;
  }
  line += '\n';
  bool ok =
      std::fwrite(line.data(), 1, line.size(), file_) == line.size() && std::fflush(file_) == 0;
#ifndef _WIN32
  // A stream (a pipe, a terminal) cannot be synced, and need not be.
  if (ok && ::fsync(fileno(file_)) != 0 && errno != EINVAL && errno != EROFS) ok = false;
#endif
  if (!ok && error) *error = "cannot write " + path_ + ": " + std::strerror(errno);
  return ok;
}

}  // namespace selkan
