#pragma once

#include <QDialog>
#include <QString>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "link/fleet.h"
#include "model/radio_image.h"
#include "platform/language.h"
#include "settings/recent_folders.h"

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTreeWidget;

namespace selkan {

class FleetBoard;
class FleetRun;
struct FleetText;

// What the window of a run needs of the program.
struct FleetContext {
  // The document Start writes (the active one): its name now, and its
  // image when Start asks; nullopt without a document.
  std::function<std::optional<QString>()> documentName;
  std::function<std::optional<RadioImage>()> documentImage;
  // The port offered first (the document's).
  std::function<QString()> port;
  // The radio types' names by type index, for backup names.
  std::function<std::vector<std::string>()> typeNames;
  // A run keeps its log and backups in a folder of its own here.
  std::filesystem::path backupDirectory;
  Language language = Language::English;
  RecentFolders* folders = nullptr;  // where Save Log's chooser starts
};

// Program > Program Several Radios: the active document written into radio
// after radio, on one or more ports at once, each radio logged. Modeless,
// kept while the program runs. The document's image is copied at Start;
// the run goes on threads of its own, whose reports come back here queued.
class CFleetDlg : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kPorts = 4;  // COM1 .. COM4

  explicit CFleetDlg(FleetContext context, QWidget* parent = nullptr);
  ~CFleetDlg() override;

  void SetMessageCaption(const QString& caption) { caption_ = caption; }
  bool Running() const;
  // Shows the name of the document Start would write (while no run goes).
  void RefreshDocument();
  // Where the last run's log is; empty before a run.
  QString LogPath() const { return logPath_; }

  QCheckBox* PortCheck(int port) const;
  QLabel* PortStatus(int port) const;
  QProgressBar* PortProgress(int port) const;
  QLabel* DocumentLine() const { return document_; }
  QLabel* StatusLine() const { return status_; }
  QLabel* LogLine() const { return log_; }
  QProgressBar* Progress() const { return progress_; }
  QTreeWidget* Table() const { return table_; }
  QSpinBox* CountBox() const { return count_; }
  // The check boxes by name: "backup", "verify", "stopOnFailure", "confirm";
  // the buttons: "start", "stop", "next", "saveLog".
  QCheckBox* Check(const QString& name) const;
  QPushButton* Button(const QString& name) const;

 public slots:
  // Closing while a run goes asks to stop it; the window closes once the
  // run has ended.
  void reject() override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  struct Run;

  void Start();
  // Nullopt with the reason shown when the run cannot start.
  std::optional<FleetOptions> OptionsForStart(const std::vector<std::string>& ports);
  void Stop();
  void SaveLog();
  void OnStatus(const FleetPortStatus& status);
  void OnDone(const FleetRecord& record);
  void OnThreadFinished();
  void ShowBoard();
  void UpdateControls();
  void Say(const QString& text);
  QString Translated(const FleetText& text) const;

  FleetContext context_;
  QString caption_;
  QLabel* document_ = nullptr;
  QLabel* status_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QSpinBox* count_ = nullptr;
  QTreeWidget* table_ = nullptr;
  QLabel* log_ = nullptr;
  QString logPath_;
  std::unique_ptr<Run> run_;
  bool closeWhenEnded_ = false;
};

}  // namespace selkan
