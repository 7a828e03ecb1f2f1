#include "link/transfer_engine.h"

#include <algorithm>
#include <memory>

#include "link/protocol.h"

namespace selkan {

namespace {

// Closes the port however the transfer ends, exceptions included.
class PortCloser {
 public:
  explicit PortCloser(SerialPort& port) : port_(port) {}
  ~PortCloser() { port_.Close(); }
  PortCloser(const PortCloser&) = delete;
  PortCloser& operator=(const PortCloser&) = delete;

 private:
  SerialPort& port_;
};

constexpr int kHandshakePumps = 6;
constexpr int kBlockPumps = 5;

}  // namespace

TransferEngine::TransferEngine(SerialPort& port, SleepFunction sleep)
    : port_(port), sleep_(std::move(sleep)) {}

void TransferEngine::Wait(int milliseconds) {
  if (sleep_) sleep_(milliseconds);
}

bool TransferEngine::Send(std::uint8_t byte) { return port_.Write(std::span(&byte, 1)); }

bool TransferEngine::PumpCancelled(const TransferCallbacks& callbacks, int rounds, int waitMs) {
  for (int i = 0; i < rounds; ++i) {
    if (callbacks.pump && callbacks.pump()) return true;
    if (waitMs > 0) Wait(waitMs);
  }
  return false;
}

TransferOutcome TransferEngine::Run(const std::string& portName, const TransferCallbacks& callbacks,
                                    const std::function<TransferOutcome()>& blocks) {
  blocksDone_ = 0;
  if (!port_.Open(portName)) return TransferOutcome::kPortError;
  PortCloser closer(port_);
  if (!port_.Configure(LineSettings{}, PortTimeouts{})) return TransferOutcome::kPortError;

  for (;;) {
    switch (HandshakeOnce(callbacks)) {
      case Handshake::kDone:
        return blocks();
      case Handshake::kCancelled:
        return TransferOutcome::kCancelled;
      case Handshake::kMismatch:
        return TransferOutcome::kRadioMismatch;
      case Handshake::kNoAnswer:
        if (!callbacks.askRetry || !callbacks.askRetry()) {
          return TransferOutcome::kCommunicationError;
        }
        break;  // Retry: the whole handshake again on the open port
    }
  }
}

bool TransferEngine::WakeUp() {
  bool answered = false;
  for (std::size_t i = 0; i < protocol::kWakeUp.size(); ++i) {
    Wait(2);
    port_.Purge();
    Send(protocol::kWakeUp[i]);
    if (i + 1 == protocol::kFirstAnswerPoint) {
      answered = !port_.Read(1).empty();
    }
  }
  if (!answered) answered = !port_.Read(1).empty();
  return answered;
}

std::vector<std::uint8_t> TransferEngine::RequestIdentification() {
  Wait(1);
  port_.Purge();
  Send(protocol::kIdentifyRequest);
  Wait(1);
  return port_.Read(protocol::kIdentificationSize);
}

RadioPresence TransferEngine::Probe(const std::string& portName) {
  RadioPresence presence;
  presence.answer = RadioPresence::Answer::kPortError;
  if (!port_.Open(portName)) return presence;
  PortCloser closer(port_);
  if (!port_.Configure(LineSettings{}, PortTimeouts{})) return presence;
  if (!WakeUp()) {  // which drops what the line holds before each byte it sends
    presence.answer = RadioPresence::Answer::kSilent;
    return presence;
  }
  presence.identification = RequestIdentification();
  presence.answer = presence.identification.empty() ? RadioPresence::Answer::kNoIdentification
                                                    : RadioPresence::Answer::kIdentified;
  return presence;
}

TransferEngine::Handshake TransferEngine::HandshakeOnce(const TransferCallbacks& callbacks) {
  if (PumpCancelled(callbacks, kHandshakePumps, 1)) return Handshake::kCancelled;
  port_.Purge();
  if (!WakeUp()) return Handshake::kNoAnswer;

  const std::vector<std::uint8_t> id = RequestIdentification();
  if (!protocol::IsAcceptedIdentification(id)) return Handshake::kMismatch;
  identification_ = id;

  // The buffers are cleared before the acknowledge goes out, never between
  // it and the radio's answer, which may come at once.
  port_.Purge();
  Send(protocol::kAck);
  Wait(1);
  const std::vector<std::uint8_t> ack = port_.Read(1);
  if (ack.size() != 1 || ack[0] != protocol::kAck) return Handshake::kNoAnswer;
  return Handshake::kDone;
}

bool TransferEngine::ReadBlock(std::size_t address, RadioImage& scratch) {
  port_.Purge();
  const auto command = protocol::BlockCommand(protocol::kReadCommand, address);
  if (!port_.Write(command)) return false;
  const std::vector<std::uint8_t> reply = port_.Read(protocol::kReadReplySize);
  if (reply.size() < protocol::kReadReplySize || !protocol::IsReplyTo(reply, command)) {
    return false;
  }
  std::copy_n(reply.begin() + protocol::kReadReplyDataOffset, protocol::kBlockSize,
              scratch.begin() + static_cast<std::ptrdiff_t>(address));
  Wait(1);
  port_.Purge();
  if (!Send(protocol::kAck)) return false;
  const std::vector<std::uint8_t> ack = port_.Read(1);
  if (ack.size() != 1 || ack[0] != protocol::kAck) return false;
  ++blocksDone_;
  return true;
}

bool TransferEngine::WriteBlock(std::size_t address, const RadioImage& image) {
  port_.Purge();
  if (!port_.Write(protocol::BlockCommand(protocol::kWriteCommand, address))) return false;
  Wait(1);
  if (!port_.Write(std::span(image).subspan(address, protocol::kBlockSize))) return false;
  const std::vector<std::uint8_t> ack = port_.Read(1);
  if (ack.size() != 1 || ack[0] != protocol::kAck) return false;
  ++blocksDone_;
  return true;
}

TransferOutcome TransferEngine::Read(const std::string& portName, RadioImage& image,
                                     const TransferCallbacks& callbacks) {
  // The blocks go into a scratch copy; the caller's image changes only once
  // all of them have come.
  auto scratch = std::make_unique<RadioImage>(image);
  return Run(portName, callbacks, [&] {
    int position = 0;
    for (std::size_t block = 0; block < protocol::kReadBlocks; block += 2) {
      const std::size_t address = block * protocol::kBlockSize;
      if (!ReadBlock(address, *scratch)) return TransferOutcome::kProgramInterrupt;
      Wait(1);
      if (!ReadBlock(address + protocol::kBlockSize, *scratch)) {
        return TransferOutcome::kProgramInterrupt;
      }
      if (position < protocol::kReadProgressEnd) {
        ++position;
        if (callbacks.progress) callbacks.progress(position);
      }
      if (PumpCancelled(callbacks, kBlockPumps, 0)) return TransferOutcome::kCancelled;
    }
    image = *scratch;
    return TransferOutcome::kCompleted;
  });
}

TransferOutcome TransferEngine::Write(const std::string& portName, const RadioImage& image,
                                      const TransferCallbacks& callbacks) {
  return Run(portName, callbacks, [&] {
    int position = 0;
    for (std::size_t block = 0; block < protocol::kWriteBlocks; block += 2) {
      const std::size_t address = block * protocol::kBlockSize;
      if (!WriteBlock(address, image) || !WriteBlock(address + protocol::kBlockSize, image)) {
        return TransferOutcome::kProgramInterrupt;
      }
      if (position < protocol::kWriteProgressEnd) {
        ++position;
        if (callbacks.progress) callbacks.progress(position);
      }
      if (PumpCancelled(callbacks, kBlockPumps, 0)) return TransferOutcome::kCancelled;
    }
    return TransferOutcome::kCompleted;
  });
}

}  // namespace selkan
