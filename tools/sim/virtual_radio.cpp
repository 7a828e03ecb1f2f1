#include "tools/sim/virtual_radio.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "link/protocol.h"

namespace selkan::sim {

namespace {
constexpr std::uint8_t kWakeUpAnswer = protocol::kAck;
constexpr std::uint8_t kNak = 0x15;
}  // namespace

std::string FrameText(const std::vector<std::uint8_t>& bytes) {
  std::string text;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    char hex[4];
    std::snprintf(hex, sizeof hex, i ? " %02X" : "%02X", bytes[i]);
    text += hex;
  }
  return text;
}

VirtualRadio::VirtualRadio(const RadioImage& memory, std::vector<std::uint8_t> id, Faults faults)
    : memory_(memory), id_(std::move(id)), faults_(faults) {}

bool VirtualRadio::Silent(std::size_t block) const {
  return faults_.silentFrom >= 0 && block >= static_cast<std::size_t>(faults_.silentFrom);
}

std::optional<Reply> VirtualRadio::WakeUpByte(std::uint8_t byte) {
  if (byte == protocol::kWakeUp[wakeIndex_]) {
    ++wakeIndex_;
  } else {
    wakeIndex_ = byte == protocol::kWakeUp[0] ? 1 : 0;
    state_ = State::kIdle;
    return std::nullopt;
  }
  std::optional<Reply> reply;
  const std::size_t answerPoint =
      faults_.answerAfterEighth ? protocol::kWakeUp.size() : protocol::kFirstAnswerPoint;
  if (wakeIndex_ == answerPoint && !faults_.noWakeUpAnswer) {
    reply = Reply{{kWakeUpAnswer}, 0, false, "wake-up answer"};
  }
  if (wakeIndex_ == protocol::kWakeUp.size()) {
    wakeIndex_ = 0;
    state_ = State::kAwaitIdRequest;
  }
  return reply;
}

std::optional<Reply> VirtualRadio::Receive(std::uint8_t byte) {
  switch (state_) {
    case State::kIdle:
      return WakeUpByte(byte);
    case State::kAwaitIdRequest:
      if (byte == protocol::kIdentifyRequest) {
        state_ = State::kAwaitIdAck;
        identified_ = true;
        return Reply{id_, 0, false, "identification"};
      }
      state_ = State::kIdle;
      return WakeUpByte(byte);
    case State::kAwaitIdAck:
      if (byte == protocol::kAck) {
        state_ = State::kSession;
        if (faults_.noIdAck) return std::nullopt;
        // A radio takes a moment before it answers this acknowledge.
        return Reply{{protocol::kAck}, kAckTurnaroundMs, false, "ack"};
      }
      state_ = State::kIdle;
      return WakeUpByte(byte);
    case State::kSession:
    case State::kReadCommand:
    case State::kWriteBlock:
      return SessionByte(byte);
  }
  return std::nullopt;
}

std::optional<Reply> VirtualRadio::SessionByte(std::uint8_t byte) {
  if (state_ == State::kSession) {
    frame_.clear();
    if (byte == protocol::kReadCommand) {
      state_ = State::kReadCommand;
    } else if (byte == protocol::kWriteCommand) {
      state_ = State::kWriteBlock;
    } else if (byte == protocol::kAck) {
      return Reply{{protocol::kAck}, 0, false, "ack"};
    } else {
      // Anything else ends the session; a new wake-up may be starting.
      state_ = State::kIdle;
      wakeIndex_ = 0;
      return WakeUpByte(byte);
    }
    frame_.push_back(byte);
    return std::nullopt;
  }
  frame_.push_back(byte);
  if (state_ == State::kReadCommand && frame_.size() == protocol::kCommandSize) {
    state_ = State::kSession;
    ++blocksServed_;
    return ReadBlock();
  }
  if (state_ == State::kWriteBlock &&
      frame_.size() == protocol::kCommandSize + protocol::kBlockSize) {
    state_ = State::kSession;
    ++blocksServed_;
    return WriteBlock();
  }
  return std::nullopt;
}

std::optional<Reply> VirtualRadio::ReadBlock() {
  const std::size_t address = (std::size_t{frame_[1]} << 8) | frame_[2];
  const std::size_t block = address / protocol::kBlockSize;
  if (frame_[3] != protocol::kBlockSize || address + protocol::kBlockSize > kImageSize ||
      Silent(block)) {
    return Reply{{}, 0, false, "nothing"};
  }
  Reply reply{{protocol::kWriteCommand, frame_[1], frame_[2], frame_[3]}, 0, false, "read reply"};
  reply.bytes.insert(reply.bytes.end(), memory_.begin() + static_cast<std::ptrdiff_t>(address),
                     memory_.begin() + static_cast<std::ptrdiff_t>(address + protocol::kBlockSize));
  if (faults_.shortReplyAt >= 0 && block == static_cast<std::size_t>(faults_.shortReplyAt)) {
    reply.bytes.pop_back();
  }
  return reply;
}

std::optional<Reply> VirtualRadio::WriteBlock() {
  const std::size_t address = (std::size_t{frame_[1]} << 8) | frame_[2];
  const std::size_t block = address / protocol::kBlockSize;
  Reply reply{{}, 0, false, "nothing"};
  if (frame_[3] != protocol::kBlockSize || address + protocol::kBlockSize > kImageSize ||
      Silent(block)) {
    return reply;
  }
  if (faults_.refuseWriteAt >= 0 && block == static_cast<std::size_t>(faults_.refuseWriteAt)) {
    reply.bytes = {kNak};
    reply.what = "refusal";
    return reply;
  }
  std::copy(frame_.begin() + protocol::kCommandSize, frame_.end(),
            memory_.begin() + static_cast<std::ptrdiff_t>(address));
  if (faults_.corruptWriteAt >= 0 && block == static_cast<std::size_t>(faults_.corruptWriteAt)) {
    memory_[address] ^= 0x01;
  }
  dirty_ = true;
  reply.bytes = {protocol::kAck};
  reply.what = "ack";
  // The last block a programmer writes ends the session: keep the memory
  // before saying so.
  reply.saveFirst = address + protocol::kBlockSize == offset::kWriteLimit;
  return reply;
}

}  // namespace selkan::sim
