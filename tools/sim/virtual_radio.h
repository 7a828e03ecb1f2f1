#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/radio_image.h"

namespace selkan::sim {

// Faults the virtual radio can play. Block numbers count 8-byte blocks from
// address 0 (block n is address 8 × n); -1 means never.
struct Faults {
  bool noWakeUpAnswer = false;     // never answer the wake-up
  bool answerAfterEighth = false;  // answer the wake-up after its eighth byte, not the seventh
  bool noIdAck = false;            // do not acknowledge the programmer's acknowledge
  int shortReplyAt = -1;           // read reply of block N carries 11 bytes instead of 12
  int refuseWriteAt = -1;          // write block N is answered with 0x15 instead of 0x06
  int silentFrom = -1;             // from block N on, read and write blocks get no answer
  int corruptWriteAt = -1;         // write block N is acknowledged, but stored with bit 0 of its
                                   // first byte flipped
};

// What the radio sends back for one byte it received.
struct Reply {
  std::vector<std::uint8_t> bytes;
  int turnaroundMs = 0;    // how long the radio takes before it answers
  bool saveFirst = false;  // a write session just ended: store the memory before answering
  const char* what = "";   // what the radio answered, for the log
};

// The radio's side of the programming protocol, fed one received byte at a
// time; no port, no clock.
class VirtualRadio {
 public:
  static constexpr std::array<std::uint8_t, 8> kDefaultId = {'K', 'Z', '9', '0',
                                                             '4', 'S', 'K', '1'};
  static constexpr int kAckTurnaroundMs = 2;

  // id: the identification the radio sends, normally 8 bytes.
  VirtualRadio(const RadioImage& memory, std::vector<std::uint8_t> id, Faults faults);

  // Takes one byte from the line; returns what the radio answers, if
  // anything, and the frame that byte completed.
  std::optional<Reply> Receive(std::uint8_t byte);

  const RadioImage& Memory() const { return memory_; }
  // Read and write block commands the radio took, whatever it answered.
  int BlocksServed() const { return blocksServed_; }
  // True once it has sent its identification.
  bool Identified() const { return identified_; }
  // True when blocks were written since the last MarkSaved.
  bool Dirty() const { return dirty_; }
  void MarkSaved() { dirty_ = false; }

 private:
  enum class State { kIdle, kAwaitIdRequest, kAwaitIdAck, kSession, kReadCommand, kWriteBlock };

  std::optional<Reply> WakeUpByte(std::uint8_t byte);
  std::optional<Reply> SessionByte(std::uint8_t byte);
  std::optional<Reply> ReadBlock();
  std::optional<Reply> WriteBlock();
  bool Silent(std::size_t block) const;

  RadioImage memory_;
  std::vector<std::uint8_t> id_;
  Faults faults_;
  State state_ = State::kIdle;
  std::size_t wakeIndex_ = 0;  // wake-up bytes matched so far
  std::vector<std::uint8_t> frame_;
  bool dirty_ = false;
  int blocksServed_ = 0;
  bool identified_ = false;
};

// "52 00 10 08" style text of bytes on the line.
std::string FrameText(const std::vector<std::uint8_t>& bytes);

}  // namespace selkan::sim
