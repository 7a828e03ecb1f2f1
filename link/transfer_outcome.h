#pragma once

#include <string_view>

namespace selkan {

// How a transfer ended, and so which message the caller shows.
enum class TransferOutcome {
  kCompleted,           // no message
  kPortError,           // 61453
  kCommunicationError,  // 61451, after the user chose Cancel
  kProgramInterrupt,    // 61454
  kRadioMismatch,       // the radio-type message
  kCancelled,           // the user cancelled: no message
  // Beyond the radio's own protocol, for a write with a backup and a check:
  kBackupNotSaved,  // the radio was read, but its copy could not be stored: nothing written
  kVerifyMismatch,  // written, but the radio read back holds something else
};

// String table id of the message (61453, 61451, 61454), 0 when the outcome
// has none in the string table.
int MessageId(TransferOutcome outcome);

// The English text of the outcome's message; empty for kCompleted and
// kCancelled.
std::string_view EnglishMessage(TransferOutcome outcome);

inline constexpr std::string_view kPortErrorText =
    "Could not Open the Port,Please check whether the Port are occupied or the device are ok";
inline constexpr std::string_view kCommunicationErrorText =
    "Communication Error,Please check all the connections and the radio power";
inline constexpr std::string_view kProgramInterruptText =
    "Program Interrupt, Please reset the radio and try again";
// The radio's own spelling, kept as users know it.
inline constexpr std::string_view kRadioMismatchText =
    "Becuase the type of radio does not match,\ncommunications is interrupt.";

}  // namespace selkan
