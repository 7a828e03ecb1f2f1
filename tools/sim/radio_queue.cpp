#include "tools/sim/radio_queue.h"

#include <algorithm>

namespace selkan::sim {

RadioQueue::RadioQueue(QueueSettings settings, MakeRadio make, Clock::time_point start)
    : settings_(settings), make_(std::move(make)), radio_(make_(1)), comesAt_(start) {}

std::optional<RadioQueue::Clock::time_point> RadioQueue::NextChange() const {
  if (radio_) {
    if (!settings_.leaves || !letBeSince_) return std::nullopt;
    return *letBeSince_ + std::max(settings_.stay, kLeastStay);
  }
  if (number_ >= settings_.radios) return std::nullopt;
  return comesAt_;
}

std::vector<RadioQueue::Change> RadioQueue::Advance(Clock::time_point now, bool lineQuiet) {
  std::vector<Change> changes;
  for (std::optional<Clock::time_point> at = NextChange(); at && *at <= now; at = NextChange()) {
    if (radio_) {
      if (!lineQuiet) break;
      changes.push_back({Change::Kind::kLeft, number_, radio_->Memory()});
      radio_.reset();
      letBeSince_.reset();
      comesAt_ = *at + settings_.swapGap;
    } else {
      radio_ = make_(++number_);
      changes.push_back({Change::Kind::kCame, number_, {}});
    }
  }
  return changes;
}

std::optional<Reply> RadioQueue::Receive(std::uint8_t byte, Clock::time_point now) {
  if (!radio_) return std::nullopt;
  const int blocks = radio_->BlocksServed();
  std::optional<Reply> reply = radio_->Receive(byte);
  if (radio_->BlocksServed() != blocks || (!letBeSince_ && radio_->Identified())) {
    letBeSince_ = now;
  }
  return reply;
}

}  // namespace selkan::sim
