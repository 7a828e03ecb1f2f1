#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "link/serial_port.h"
#include "link/transfer_outcome.h"
#include "model/radio_image.h"

namespace selkan {

// How a transfer talks to whoever started it. The engine shows nothing
// itself.
struct TransferCallbacks {
  // Gives the user interface one turn; returns true once the user cancelled.
  std::function<bool()> pump;
  // The progress position after a pair of blocks (1..256 for a read,
  // 1..255 for a write).
  std::function<void(int position)> progress;
  // The radio did not answer the handshake: true for Retry, false for
  // Cancel.
  std::function<bool()> askRetry;
};

// What a wake-up and an identification request found on a port.
struct RadioPresence {
  enum class Answer {
    kPortError,         // the port could not be opened or set up
    kSilent,            // nothing answered the wake-up
    kNoIdentification,  // the wake-up was answered, the identification request not
    kIdentified,        // identification holds what came
  };
  Answer answer = Answer::kSilent;
  std::vector<std::uint8_t> identification;
};

// Millisecond wait.
using SleepFunction = std::function<void(int milliseconds)>;

// Runs one whole read or write over a serial port: open, settings,
// handshake, blocks with their acknowledges, close. The port is closed on
// every way out.
class TransferEngine {
 public:
  TransferEngine(SerialPort& port, SleepFunction sleep);

  // Reads the radio's 4096 bytes. *image changes only when every block has
  // come; a failed or cancelled read leaves it as it was.
  TransferOutcome Read(const std::string& portName, RadioImage& image,
                       const TransferCallbacks& callbacks);

  // Sends addresses 0x000-0xFEF of the image to the radio.
  TransferOutcome Write(const std::string& portName, const RadioImage& image,
                        const TransferCallbacks& callbacks);

  // Asks whether a radio is on the port: open, settings, the wake-up and the
  // identification request, close. The acknowledge that would start a
  // transfer is not sent, so the radio is left as a transfer's handshake
  // finds it.
  RadioPresence Probe(const std::string& portName);

  // Blocks the radio answered in the last Read or Write, from address 0 on:
  // how far a transfer that broke off got.
  std::size_t BlocksDone() const { return blocksDone_; }
  // The identification the radio sent in the last handshake that got one.
  const std::vector<std::uint8_t>& Identification() const { return identification_; }

 private:
  enum class Handshake { kDone, kNoAnswer, kMismatch, kCancelled };

  TransferOutcome Run(const std::string& portName, const TransferCallbacks& callbacks,
                      const std::function<TransferOutcome()>& blocks);
  Handshake HandshakeOnce(const TransferCallbacks& callbacks);
  bool WakeUp();
  std::vector<std::uint8_t> RequestIdentification();
  bool ReadBlock(std::size_t address, RadioImage& scratch);
  bool WriteBlock(std::size_t address, const RadioImage& image);
  bool Send(std::uint8_t byte);
  bool PumpCancelled(const TransferCallbacks& callbacks, int rounds, int waitMs);
  void Wait(int milliseconds);

  SerialPort& port_;
  SleepFunction sleep_;
  std::size_t blocksDone_ = 0;
  std::vector<std::uint8_t> identification_;
};

}  // namespace selkan
