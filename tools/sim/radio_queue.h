#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "model/radio_image.h"
#include "tools/sim/virtual_radio.h"

namespace selkan::sim {

struct QueueSettings {
  int radios = 1;
  // False: the one radio stays on the line for good (a plain run).
  bool leaves = false;
  // How long a radio stays once the programmer has let it be: since its
  // last block read or written, or, before its first block, since it first
  // sent its identification. Never less than kLeastStay, so that the pause
  // between a programmer's own steps (a backup kept, a verify begun) does
  // not send it away.
  std::chrono::milliseconds stay{2000};
  std::chrono::milliseconds swapGap{3000};  // the line is silent between two radios
};

inline constexpr std::chrono::milliseconds kLeastStay{500};

// Radios on one line, one after another, as a user swaps them on a
// programming cable. Times come from the caller; no clock of its own.
class RadioQueue {
 public:
  using Clock = std::chrono::steady_clock;
  using MakeRadio = std::function<std::unique_ptr<VirtualRadio>(int number)>;

  struct Change {
    enum class Kind { kCame, kLeft } kind;
    int number;
    RadioImage memory{};  // kLeft: what the radio holds as it goes
  };

  // Radio 1 is on the line from `start` on.
  RadioQueue(QueueSettings settings, MakeRadio make, Clock::time_point start);

  // Brings the line up to `now`: the radio leaves after its stay (only
  // when the line is quiet: nothing from the programmer waits to be read),
  // the next one comes after the swap gap.
  std::vector<Change> Advance(Clock::time_point now, bool lineQuiet = true);
  // A byte from the programmer at `now`; what the radio on the line answers
  // (nothing in a gap: the byte is lost).
  std::optional<Reply> Receive(std::uint8_t byte, Clock::time_point now);
  // When Advance next has something to do, if ever.
  std::optional<Clock::time_point> NextChange() const;

  VirtualRadio* OnLine() { return radio_.get(); }
  int Number() const { return number_; }  // of the radio on the line, or the last one

 private:
  QueueSettings settings_;
  MakeRadio make_;
  std::unique_ptr<VirtualRadio> radio_;
  int number_ = 1;
  std::optional<Clock::time_point> letBeSince_;  // the programmer last did something with it
  Clock::time_point comesAt_{};                  // in a gap: when the next radio comes
};

}  // namespace selkan::sim
