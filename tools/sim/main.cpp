// selkan-sim: a virtual Selkan radio on a pseudo-terminal.
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "model/radio_image.h"
#include "platform/version.h"
#include "tools/sim/pty_line.h"
#include "tools/sim/radio_queue.h"
#include "tools/sim/sim_options.h"
#include "tools/sim/virtual_radio.h"

namespace {

using Clock = std::chrono::steady_clock;
using selkan::sim::SimOptions;
using selkan::sim::VirtualRadio;

volatile std::sig_atomic_t g_stop = 0;

void OnSignal(int) { g_stop = 1; }

// 10 bits a byte at 9600 baud.
constexpr auto kByteTime = std::chrono::microseconds(1042);
constexpr int kIdleSaveMs = 200;

class Simulator {
 public:
  Simulator(const SimOptions& options, selkan::sim::RadioQueue& queue, int master, std::FILE* log)
      : options_(options), queue_(queue), master_(master), log_(log) {}

  int Serve() {
    if (options_.fleet > 0) Log("--", "radio 1 connected");
    while (!g_stop) {
      int timeout = kIdleSaveMs;
      if (const auto change = queue_.NextChange()) {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(*change - Clock::now());
        timeout = static_cast<int>(std::clamp<long long>(left.count(), 0, kIdleSaveMs));
      }
      pollfd pfd{master_, POLLIN, 0};
      const int ready = ::poll(&pfd, 1, timeout);
      if (ready < 0) {
        if (errno == EINTR) continue;
        std::perror("selkan-sim: poll");
        return 1;
      }
      if (ready == 0) {
        Advance(true);
        FlushReceived("rx");
        SaveIfDirty();
        continue;
      }
      std::uint8_t buffer[256];
      const ssize_t got = ::read(master_, buffer, sizeof buffer);
      if (got < 0) {
        if (errno == EINTR || errno == EAGAIN) continue;
        // EIO cannot come while our own slave descriptor is open; anything
        // else is fatal.
        std::perror("selkan-sim: read");
        return 1;
      }
      for (ssize_t i = 0; i < got; ++i) Take(buffer[i]);
    }
    FlushReceived("rx");
    SaveIfDirty();
    if (options_.fleet > 0 && queue_.OnLine() != nullptr) {
      Dump(queue_.Number(), queue_.OnLine()->Memory());
    }
    return 0;
  }

 private:
  // Radios of a queue come and go; a radio leaves only a quiet line, so
  // that bytes that waited while this program was held up still reach it.
  void Advance(bool lineQuiet) {
    for (const auto& change : queue_.Advance(Clock::now(), lineQuiet)) {
      FlushReceived("rx");
      if (change.kind == selkan::sim::RadioQueue::Change::Kind::kCame) {
        Log("--", "radio " + std::to_string(change.number) + " connected");
      } else {
        Log("--", "radio " + std::to_string(change.number) + " gone");
        Dump(change.number, change.memory);
      }
    }
  }

  void Dump(int number, const selkan::RadioImage& memory) {
    if (options_.dumpDir.empty()) return;
    const std::string path = options_.dumpDir + "/radio-" + std::to_string(number) + ".dat";
    selkan::FileError error;
    if (!selkan::SaveDatFile(path, memory, &error)) {
      std::fprintf(stderr, "selkan-sim: %s\n", error.text.c_str());
    } else {
      Log("--", "saved " + path);
    }
  }

  void Take(std::uint8_t byte) {
    if (options_.realtime) {
      rxFree_ = std::max(Clock::now(), rxFree_) + kByteTime;
      std::this_thread::sleep_until(rxFree_);
    }
    Advance(false);
    received_.push_back(byte);
    std::optional<selkan::sim::Reply> reply = queue_.Receive(byte, Clock::now());
    if (!reply) return;
    FlushReceived("rx");
    if (reply->saveFirst) SaveIfDirty();
    if (reply->turnaroundMs > 0) {
      std::this_thread::sleep_for(std::chrono::milliseconds(reply->turnaroundMs));
    }
    if (!reply->bytes.empty()) {
      Send(reply->bytes);
      Log("tx", selkan::sim::FrameText(reply->bytes) + "  (" + reply->what + ")");
    }
  }

  void Send(const std::vector<std::uint8_t>& bytes) {
    if (!options_.realtime) {
      WriteAll(bytes.data(), bytes.size());
      return;
    }
    auto next = Clock::now();
    for (std::uint8_t byte : bytes) {
      WriteAll(&byte, 1);
      next += kByteTime;
      std::this_thread::sleep_until(next);
    }
  }

  void WriteAll(const std::uint8_t* data, std::size_t size) {
    while (size > 0) {
      const ssize_t sent = ::write(master_, data, size);
      if (sent < 0) {
        if (errno == EINTR) continue;
        std::perror("selkan-sim: write");
        return;
      }
      data += sent;
      size -= static_cast<std::size_t>(sent);
    }
  }

  void FlushReceived(const char* direction) {
    if (received_.empty()) return;
    Log(direction, selkan::sim::FrameText(received_));
    received_.clear();
  }

  void Log(const char* direction, const std::string& text) {
    if (!log_) return;
    const double seconds = std::chrono::duration<double>(Clock::now() - start_).count();
    std::fprintf(log_, "%10.4f %s %s\n", seconds, direction, text.c_str());
    std::fflush(log_);
  }

  // A plain run keeps the radio's memory in its image file; a queue's
  // radios are dumped as they go.
  void SaveIfDirty() {
    VirtualRadio* radio = queue_.OnLine();
    if (radio == nullptr || !radio->Dirty()) return;
    radio->MarkSaved();
    if (options_.imagePath.empty() || options_.fleet > 0) return;
    selkan::FileError error;
    if (!selkan::SaveDatFile(options_.imagePath, radio->Memory(), &error)) {
      std::fprintf(stderr, "selkan-sim: %s\n", error.text.c_str());
    } else {
      Log("--", "saved " + options_.imagePath);
    }
  }

  const SimOptions& options_;
  selkan::sim::RadioQueue& queue_;
  int master_;
  std::FILE* log_;
  std::vector<std::uint8_t> received_;
  Clock::time_point start_ = Clock::now();
  Clock::time_point rxFree_{};
};

}  // namespace

int main(int argc, char** argv) {
  std::string error;
  const std::optional<SimOptions> options =
      selkan::sim::ParseSimOptions(std::vector<std::string>(argv + 1, argv + argc), &error);
  if (!options) {
    std::fprintf(stderr, "selkan-sim: %s\n%s", error.c_str(), selkan::sim::kSimHelp);
    return 1;
  }
  if (options->help) {
    std::fputs(selkan::sim::kSimHelp, stdout);
    return 0;
  }
  if (options->version) {
    std::printf("selkan-sim %s\n", selkan::VersionText());
    return 0;
  }

  selkan::RadioImage memory = selkan::BlankImage();
  if (!options->imagePath.empty()) {
    const selkan::DatLoadResult loaded = selkan::LoadDatFile(options->imagePath);
    if (loaded.error == selkan::DatLoadError::DataFormat) {
      std::fprintf(stderr, "selkan-sim: %s: Data Format Error\n", options->imagePath.c_str());
      return 2;
    }
    if (loaded.error == selkan::DatLoadError::CannotOpen) {
      std::fprintf(stderr, "selkan-sim: %s\n", loaded.detail.text.c_str());
      return 2;
    }
    memory = loaded.image;
  }

  std::FILE* log = nullptr;
  if (!options->logPath.empty()) {
    log = std::fopen(options->logPath.c_str(), "w");
    if (!log) {
      std::fprintf(stderr, "selkan-sim: cannot open log %s: %s\n", options->logPath.c_str(),
                   std::strerror(errno));
      return 1;
    }
  }

  selkan::sim::PtyLine line;
  if (!line.Open(&error)) {
    std::fprintf(stderr, "selkan-sim: %s\n", error.c_str());
    return 1;
  }
  if (!options->linkPath.empty()) {
    // Replace an old link, never a file or directory of the user's.
    struct stat info {};
    if (::lstat(options->linkPath.c_str(), &info) == 0) {
      if (!S_ISLNK(info.st_mode)) {
        std::fprintf(stderr, "selkan-sim: %s exists and is not a symbolic link\n",
                     options->linkPath.c_str());
        return 1;
      }
      ::unlink(options->linkPath.c_str());
    }
    if (::symlink(line.slavePath().c_str(), options->linkPath.c_str()) != 0) {
      std::fprintf(stderr, "selkan-sim: cannot link %s: %s\n", options->linkPath.c_str(),
                   std::strerror(errno));
      return 1;
    }
  }

  struct sigaction action {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  ::sigaction(SIGINT, &action, nullptr);
  ::sigaction(SIGTERM, &action, nullptr);

  std::printf("%s\n", line.slavePath().c_str());
  std::fflush(stdout);

  if (!options->dumpDir.empty()) {
    std::error_code made;
    std::filesystem::create_directories(options->dumpDir, made);
    if (made) {
      std::fprintf(stderr, "selkan-sim: cannot make %s: %s\n", options->dumpDir.c_str(),
                   made.message().c_str());
      return 1;
    }
  }
  selkan::sim::QueueSettings settings = selkan::sim::QueueOf(*options);
  const std::vector<std::uint8_t> plainId(VirtualRadio::kDefaultId.begin(),
                                          VirtualRadio::kDefaultId.end());
  auto make = [&](int number) {
    const bool marked = options->onRadio == 0 || options->onRadio == number;
    return std::make_unique<VirtualRadio>(memory, marked ? options->id : plainId,
                                          marked ? options->faults : selkan::sim::Faults{});
  };
  selkan::sim::RadioQueue queue(settings, make, Clock::now());
  const int status = Simulator(*options, queue, line.master(), log).Serve();
  if (!options->linkPath.empty()) {
    char target[4096];
    const ssize_t size = ::readlink(options->linkPath.c_str(), target, sizeof target - 1);
    if (size > 0 && std::string(target, static_cast<std::size_t>(size)) == line.slavePath()) {
      ::unlink(options->linkPath.c_str());
    }
  }
  if (log) std::fclose(log);
  return status;
}
