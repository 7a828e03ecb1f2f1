#pragma once

#include <string_view>

#include "platform/language.h"
#include "platform/translatable.h"

namespace selkan {

// How a transfer ended, and so which message the caller shows.
enum class TransferOutcome {
  kCompleted,           // no message
  kPortError,           // kPortErrorText
  kCommunicationError,  // kCommunicationErrorText, after the user chose Cancel
  kProgramInterrupt,    // kProgramInterruptText
  kRadioMismatch,       // the radio-type message, kRadioMismatchMessage
  kCancelled,           // the user cancelled: no message
  // Beyond the radio's own protocol, for a write with a backup and a check:
  kBackupNotSaved,  // the radio was read, but its copy could not be stored: nothing written
  kVerifyMismatch,  // written, but the radio read back holds something else
};

// The English text of the outcome's message; empty for kCompleted and
// kCancelled.
std::string_view EnglishMessage(TransferOutcome outcome);

// The radio's own messages. selkan-cli prints them as they are; the program
// shows the first three translated in the catalog context
// "selkan::TransferMessages".
inline constexpr std::string_view kPortErrorText = SELKAN_TRANSLATE_NOOP(
    "selkan::TransferMessages",
    "Could not Open the Port,Please check whether the Port are occupied or the device are ok");
inline constexpr std::string_view kCommunicationErrorText = SELKAN_TRANSLATE_NOOP(
    "selkan::TransferMessages",
    "Communication Error,Please check all the connections and the radio power");
inline constexpr std::string_view kProgramInterruptText = SELKAN_TRANSLATE_NOOP(
    "selkan::TransferMessages", "Program Interrupt, Please reset the radio and try again");
// The radio-type message is built in, in both languages (the radio's own
// English spelling, kept as users know it).
inline constexpr WordPair kRadioMismatchMessage{
    "Becuase the type of radio does not match,\ncommunications is interrupt.",
    "对讲机类型不匹配,无法通讯。"};
inline constexpr std::string_view kRadioMismatchText = kRadioMismatchMessage.english;

}  // namespace selkan
