#include "link/fleet_board.h"

#include <algorithm>

namespace selkan {

namespace {

// How much a port's phase asks for the headline: the user's part first.
int Urgency(const FleetPortStatus& status) {
  switch (status.phase) {
    case FleetPhase::kWaitingForRemoval:
    case FleetPhase::kWaitingForNext:
      return 0;
    case FleetPhase::kWriting:
      return 1;
    case FleetPhase::kWaitingForRadio:
      return 2;
    case FleetPhase::kEnded:
      break;
  }
  return 3;
}

FleetText Number(int value) { return PlainText(std::to_string(value)); }

}  // namespace

FleetBoard::FleetBoard(std::vector<std::string> ports, bool backup, bool verify)
    : backup_(backup), verify_(verify) {
  for (std::string& name : ports) ports_.push_back({std::move(name), std::nullopt, std::nullopt});
}

void FleetBoard::Update(const FleetPortStatus& status) {
  for (Port& port : ports_) {
    if (port.name != status.port) continue;
    port.status = status;
    highest_ = std::max(highest_, status.radio);
  }
}

void FleetBoard::Add(const FleetRecord& record) {
  (record.Succeeded() ? succeeded_ : failed_) += 1;
  highest_ = std::max(highest_, record.number);
  for (Port& port : ports_)
    if (port.name == record.port) port.last = record;
}

FleetText FleetBoard::PortText(std::size_t port) const {
  const Port& p = ports_[port];
  if (!p.status) return PlainText({});
  return FleetPortText(*p.status, p.last ? &*p.last : nullptr, backup_, verify_);
}

int FleetBoard::PortPercent(std::size_t port) const {
  const Port& p = ports_[port];
  if (!p.status) return -1;
  switch (p.status->phase) {
    case FleetPhase::kWriting:
      return p.status->percent;
    case FleetPhase::kWaitingForRemoval:
    case FleetPhase::kWaitingForNext:
      return p.last && p.last->Succeeded() ? 100 : -1;  // the radio done is full
    default:
      return -1;
  }
}

bool FleetBoard::Ended() const {
  return std::all_of(ports_.begin(), ports_.end(), [](const Port& port) {
    return port.status && port.status->phase == FleetPhase::kEnded;
  });
}

const FleetBoard::Port* FleetBoard::Headed() const {
  const Port* headed = nullptr;
  for (const Port& port : ports_) {
    if (!port.status || port.status->phase == FleetPhase::kEnded) continue;
    if (headed == nullptr || Urgency(*port.status) < Urgency(*headed->status) ||
        (Urgency(*port.status) == Urgency(*headed->status) &&
         port.status->radio < headed->status->radio))
      headed = &port;
  }
  return headed;
}

FleetText FleetBoard::Counts() const {
  std::string_view source;
  if (stopping_) {
    source = verify_ ? SELKAN_TRANSLATE_NOOP("selkan::FleetText",
                                             "Stopped. Radios: %1, verified: %2, failed: %3")
                     : SELKAN_TRANSLATE_NOOP("selkan::FleetText",
                                             "Stopped. Radios: %1, written: %2, failed: %3");
  } else {
    source = verify_ ? SELKAN_TRANSLATE_NOOP("selkan::FleetText",
                                             "Finished. Radios: %1, verified: %2, failed: %3")
                     : SELKAN_TRANSLATE_NOOP("selkan::FleetText",
                                             "Finished. Radios: %1, written: %2, failed: %3");
  }
  return {source, {}, {Number(Radios()), Number(succeeded_), Number(failed_)}};
}

FleetText FleetBoard::Headline() const {
  if (Ended()) {
    const bool noPort = std::all_of(ports_.begin(), ports_.end(), [](const Port& port) {
      return port.status->ended == TransferOutcome::kPortError;
    });
    if (noPort && Radios() == 0)
      return {SELKAN_TRANSLATE_NOOP("selkan::FleetText", "No port could be opened"), {}, {}};
    return Counts();
  }
  if (stopping_) return {SELKAN_TRANSLATE_NOOP("selkan::FleetText", "Stopping..."), {}, {}};
  const Port* headed = Headed();
  if (headed != nullptr && headed->status->phase != FleetPhase::kWaitingForRadio)
    return PortText(static_cast<std::size_t>(headed - ports_.data()));
  const auto waiting = std::count_if(ports_.begin(), ports_.end(), [](const Port& port) {
    return !port.status || port.status->phase == FleetPhase::kWaitingForRadio;
  });
  if (waiting > 1)
    return {SELKAN_TRANSLATE_NOOP("selkan::FleetText", "Connect radios and turn them on"), {}, {}};
  return {SELKAN_TRANSLATE_NOOP("selkan::FleetText", "Radio %1: connect it and turn it on"),
          {},
          {Number(highest_ + 1)}};
}

int FleetBoard::HeadlinePercent() const {
  const Port* headed = stopping_ ? nullptr : Headed();  // none once every port has ended
  return headed != nullptr ? PortPercent(static_cast<std::size_t>(headed - ports_.data())) : -1;
}

bool FleetBoard::WaitsForNext() const {
  return std::any_of(ports_.begin(), ports_.end(), [](const Port& port) {
    return port.status && port.status->phase == FleetPhase::kWaitingForNext;
  });
}

}  // namespace selkan
