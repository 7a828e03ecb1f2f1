#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <filesystem>
#include <functional>
#include <string>

#include "link/gui/process_dlg.h"
#include "link/transfer_engine.h"
#include "platform/language.h"

namespace selkan {

class Registry;
class TransferDocument;

// kCompare reads the radio for a comparison: the document stays as it is.
enum class TransferDirection { kRead = 0, kWrite = 1, kCompare = 2 };

// What a write needs for its backup and check.
struct WriteSafetySettings {
  // Remembers the progress window's two check boxes per user, as the values
  // "Backup" and "Verify" under the key.
  Registry* registry = nullptr;
  std::string registryKey;
  // The radio type's name for an image's type index, for backup names.
  std::function<std::string(int typeIndex)> typeName;
  std::filesystem::path backupDirectory;
};

// A document's Read and Write: the progress window, then the transfer on
// the user-interface thread, with the event queue pumped between blocks and
// the outcome reported in message boxes. Lives as a child of the widget that
// shows the document (the owner of its windows), and only as long as it.
class CTransferController : public QObject {
  Q_OBJECT
 public:
  CTransferController(QWidget& owner, TransferDocument& document, Language language);
  ~CTransferController() override;

  // The owner's controller, made on first use for the document given then.
  static CTransferController* For(QWidget& owner, TransferDocument& document, Language language);

  // Caption of the plain message boxes (the product's company).
  void SetMessageCaption(const QString& caption) { caption_ = caption; }
  void SetWriteSafety(WriteSafetySettings settings) { safety_ = std::move(settings); }

  // The Read and Write commands: open the progress window, whose OK starts
  // the transfer. While a window is open they only raise it: its direction
  // and title stay as they were.
  void OnRead();
  void OnWrite();
  // Compare with Radio: the progress window with this title, whose OK reads
  // the radio; a complete read goes to compare once the transfer has ended.
  void OnCompare(const QString& title, std::function<void(const RadioImage& radio)> compare);

  // Where the radio was kept before the last write from here; empty when
  // none was kept.
  const std::string& LastBackup() const { return lastBackup_; }

  TransferDirection Direction() const { return direction_; }
  CProcessDlg* Dialog() const { return dialog_.data(); }

 signals:
  // A transfer ended, however it ended.
  void finished(TransferOutcome outcome, TransferDirection direction);

 private:
  void OpenDialog(TransferDirection direction, const QString& title);
  void RunTransfer();
  // Shows an outcome's message; portDetails gives the details of a port
  // error (which port, which device, why) and is asked only then.
  using PortDetails = std::function<QString()>;
  void Report(TransferOutcome outcome, const PortDetails& portDetails);
  void ShowFrame();
  // The progress window's choices for a write, as last remembered.
  void RecallWriteChoices();
  void RememberWriteChoices();
  TransferOutcome Write(TransferEngine& engine, const std::string& port, const RadioImage& image,
                        const TransferCallbacks& callbacks, const PortDetails& portDetails);

  QWidget& owner_;
  TransferDocument& document_;
  Language language_;
  QString caption_;
  WriteSafetySettings safety_;
  TransferDirection direction_ = TransferDirection::kRead;
  QPointer<CProcessDlg> dialog_;
  bool running_ = false;
  std::function<void(const RadioImage& radio)> compare_;
  std::string lastBackup_;
};

}  // namespace selkan
