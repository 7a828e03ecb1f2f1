#include "link/transfer_outcome.h"

namespace selkan {

std::string_view EnglishMessage(TransferOutcome outcome) {
  switch (outcome) {
    case TransferOutcome::kPortError:
      return kPortErrorText;
    case TransferOutcome::kCommunicationError:
      return kCommunicationErrorText;
    case TransferOutcome::kProgramInterrupt:
      return kProgramInterruptText;
    case TransferOutcome::kRadioMismatch:
      return kRadioMismatchText;
    default:
      return {};
  }
}

}  // namespace selkan
