#pragma once

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace selkan {

struct FleetRecord;

// The first line of a fleet log.
inline constexpr std::string_view kFleetLogHeader =
    "number,start,seconds,identification,backup,result,document,image,port";

// "2026-03-01T14:05:09+01:00": local time with its offset from UTC.
std::string IsoLocalTime(std::chrono::system_clock::time_point when);

// "20260301-140509": the local time as a run's log and backup folder are
// named ("fleet-20260301-140509").
std::string FleetStamp(std::chrono::system_clock::time_point when);

// The record as a line of the log, in the header's order, without line end.
std::string FleetLogLine(const FleetRecord& record);

// The log of a run: CSV in UTF-8, one line per radio, each appended,
// flushed and synced to the disk as soon as its radio is done, so that a
// crash or a power cut loses none of the lines written.
class FleetLog {
 public:
  FleetLog() = default;
  ~FleetLog();
  FleetLog(const FleetLog&) = delete;
  FleetLog& operator=(const FleetLog&) = delete;

  // Opens the file for appending ("-": standard output). A new or empty
  // file gets the header; an existing one must be a fleet log already (begin
  // with the header), so that no other file of the user's is appended to.
  bool Open(const std::string& path, std::string* error);
  bool Append(const FleetRecord& record, std::string* error);

 private:
  bool WriteLine(std::string line, std::string* error);

  std::FILE* file_ = nullptr;
  bool owned_ = false;
  std::string path_;
};

}  // namespace selkan
