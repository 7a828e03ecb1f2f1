#include "link/transfer_outcome.h"

namespace selkan {

int MessageId(TransferOutcome outcome) {
  switch (outcome) {
    case TransferOutcome::kPortError:
      return 61453;
    case TransferOutcome::kCommunicationError:
      return 61451;
    case TransferOutcome::kProgramInterrupt:
      return 61454;
    default:
      return 0;
  }
}

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
