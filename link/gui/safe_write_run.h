#pragma once

#include <QPointer>
#include <QString>
#include <QStringList>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "link/gui/process_dlg.h"
#include "link/safe_write.h"
#include "link/transfer_engine.h"
#include "platform/language.h"

class QWidget;

namespace selkan {

// What a write from the program needs beside the engine and the image.
struct SafeWriteContext {
  QWidget* parent = nullptr;  // owner of the message boxes
  QString caption;            // caption of the plain message boxes
  Language language = Language::English;
  QPointer<CProcessDlg> dialog;  // shows the steps
  std::filesystem::path backupDirectory;
  // The radio type's name for an image's type index (for backup names).
  std::function<std::string(int typeIndex)> typeName;
  // Shows the radio's own message of an outcome (port error, program
  // interrupt, radio type).
  std::function<void(TransferOutcome outcome)> report;
  // A short note that the write went well ("verified"), naming the backup.
  std::function<void(const QString& note)> note;
  // The radio's contents were kept before the write, in this file.
  std::function<void(const std::string& path)> backupKept;
};

// The lines of a check's differences in its message: the first 12, then how many more.
QStringList MismatchLines(const std::vector<ImageDifference>& mismatches);

// Writes the request's image with the safety steps it asks for: a backup of
// the radio first, a check afterwards. When the write breaks off part way,
// or the radio read back differs from what was written, the user may write
// again, write the backup back or keep the radio as it is (and choose again
// should the next write fail too). Every message is shown here. Returns the
// outcome of writing the image: completed only when the radio holds it (and
// it was checked, when asked); after a restore, the outcome that failed the
// write.
TransferOutcome RunSafeWriteFromProgram(TransferEngine& engine, const SafeWriteRequest& request,
                                        const TransferCallbacks& callbacks,
                                        const SafeWriteContext& context);

}  // namespace selkan
