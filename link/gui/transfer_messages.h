#pragma once

#include <QString>
#include <string>

#include "link/transfer_outcome.h"
#include "platform/language.h"

namespace selkan {

// The text of a transfer's message in the catalog's language (port error,
// communication error, program interrupt); empty for any other outcome.
QString TransferMessageText(TransferOutcome outcome);

// The details of the port error for the device that did not open: what to
// do when the user may not use it (on Linux, typically: join the group
// dialout); empty when that is not the reason.
// The first line names the port as the user chose it, the device it stands
// for and the system's reason ("COM3 (/dev/ttyUSB2): Permission denied").
QString PortErrorDetails(const std::string& name, const std::string& device,
                         const std::string& reason);

// The radio-type message is built in: English or Chinese by the language
// flag, with its own caption.
struct BuiltInMessage {
  QString text;
  QString caption;
};
BuiltInMessage RadioMismatchMessage(Language language);

// The progress window's title: "Read Data" or "Write Data", in the
// program's language.
QString TransferTitle(bool write, Language language);

}  // namespace selkan
