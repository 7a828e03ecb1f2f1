#include "app/qt/fleet_dlg.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QThread>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <map>
#include <system_error>

#include "app/qt/command_ids.h"
#include "app/qt/file_prompt.h"
#include "link/backup_store.h"
#include "link/fleet_board.h"
#include "link/fleet_log.h"
#include "link/fleet_text.h"
#include "link/gui/transfer_messages.h"
#include "link/gui/transfer_monitor.h"
#include "link/port_names.h"
#include "link/qt/fleet_run.h"
#include "platform/atomic_file.h"
#include "platform/qt/help_request.h"
#include "platform/qt/message_box.h"

namespace selkan {

namespace {

enum Column { kNumber, kStarted, kSeconds, kPort, kResult, kBackup };

// The longest a closing window waits for a stopped run's threads; a write
// breaks off at its next block, a wait at once.
constexpr std::chrono::milliseconds kStopWait{10000};

QString Native(const std::filesystem::path& path) {
  return QDir::toNativeSeparators(QString::fromStdString(path.string()));
}

QString PortName(int port) { return QStringLiteral("COM%1").arg(port + 1); }

// Runs act on the window on the user-interface thread, later, if the window
// is still there: the run's reports come from its loops' threads.
void Post(const QPointer<CFleetDlg>& window, std::function<void(CFleetDlg&)> act) {
  if (QCoreApplication* application = QCoreApplication::instance()) {
    QMetaObject::invokeMethod(
        application,
        [window, act = std::move(act)] {
          if (window) act(*window);
        },
        Qt::QueuedConnection);
  }
}

}  // namespace

// A run and what the window shows of it; kept after it has ended, for its
// table and status, until the next Start.
struct CFleetDlg::Run {
  Run(std::vector<std::string> ports, const FleetOptions& options)
      : board(ports, options.backup, options.verify), image(options.image) {}

  std::unique_ptr<FleetRun> fleet;  // until its threads have ended
  FleetBoard board;
  RadioImage image;
  std::vector<int> rows;                  // the window's port row of each board port
  std::map<std::string, QString> failed;  // why a port could not be used, by port
  int threadsLeft = 0;
  bool stopping = false;
  std::optional<TransferMonitor::FleetScope> going;
};

CFleetDlg::CFleetDlg(FleetContext context, QWidget* parent)
    : QDialog(parent), context_(std::move(context)) {
  setObjectName(QStringLiteral("CFleetDlg"));
  setWindowTitle(tr("Program Several Radios"));
  resize(760, 620);

  document_ = new QLabel(this);
  document_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  QFont bold;
  bold.setBold(true);
  document_->setFont(bold);
  auto* fixedAtStart = new QLabel(
      tr("Every radio gets the document as it is when Start is pressed: later edits of the "
         "document do not reach the radios of a run already started."),
      this);
  fixedAtStart->setWordWrap(true);

  auto* options = new QGroupBox(tr("Options"), this);
  auto* optionGrid = new QGridLayout(options);
  auto check = [this](const char* name, const QString& text, bool checked) {
    auto* box = new QCheckBox(text, this);
    box->setObjectName(QString::fromLatin1(name) + QStringLiteral("Check"));
    box->setChecked(checked);
    return box;
  };
  optionGrid->addWidget(check("backup", tr("&Back up each radio first"), true), 0, 0);
  optionGrid->addWidget(check("verify", tr("&Verify each radio after writing"), true), 1, 0);
  optionGrid->addWidget(check("stopOnFailure", tr("S&top after a radio that failed"), false), 2, 0);
  optionGrid->addWidget(
      check("confirm", tr("The radios stay &connected: wait for Next Radio, not for removal"),
            false),
      3, 0, 1, 2);
  count_ = new QSpinBox(this);
  count_->setRange(0, FleetOptions::kMostCount);
  count_->setSpecialValueText(tr("until stopped"));
  auto* countLabel = new QLabel(tr("&Radios to program:"), this);
  countLabel->setBuddy(count_);
  auto* countRow = new QHBoxLayout;
  countRow->addWidget(countLabel);
  countRow->addWidget(count_);
  countRow->addStretch(1);
  optionGrid->addLayout(countRow, 0, 1);

  auto* ports = new QGroupBox(tr("Ports"), this);
  auto* portGrid = new QGridLayout(ports);
  for (int port = 0; port < kPorts; ++port) {
    auto* box = new QCheckBox(PortName(port), this);
    box->setObjectName(QStringLiteral("port%1Check").arg(port + 1));
    auto* status = new QLabel(this);
    status->setObjectName(QStringLiteral("port%1Status").arg(port + 1));
    auto* bar = new QProgressBar(this);
    bar->setObjectName(QStringLiteral("port%1Progress").arg(port + 1));
    bar->setRange(0, 100);
    bar->setValue(0);
    bar->setFixedWidth(140);
    connect(box, &QCheckBox::toggled, this, &CFleetDlg::UpdateControls);
    portGrid->addWidget(box, port, 0);
    portGrid->addWidget(status, port, 1);
    portGrid->addWidget(bar, port, 2);
  }
  portGrid->setColumnStretch(1, 1);

  status_ = new QLabel(tr("Choose the ports, connect the first radio and press Start."), this);
  QFont large;
  large.setPointSize(13);
  large.setBold(true);
  status_->setFont(large);
  status_->setWordWrap(true);
  progress_ = new QProgressBar(this);
  progress_->setRange(0, 100);
  progress_->setValue(0);

  table_ = new QTreeWidget(this);
  table_->setRootIsDecorated(false);
  table_->setHeaderLabels(
      {tr("No."), tr("Started"), tr("Seconds"), tr("Port"), tr("Result"), tr("Backup")});
  table_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table_->header()->setSectionResizeMode(kResult, QHeaderView::Stretch);
  table_->header()->setStretchLastSection(false);
  log_ = new QLabel(this);
  log_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  log_->setWordWrap(true);

  auto* buttons = new QDialogButtonBox(this);
  for (const auto& [name, text, role] :
       {std::tuple{"start", tr("&Start"), QDialogButtonBox::ActionRole},
        {"stop", tr("Sto&p"), QDialogButtonBox::ActionRole},
        {"next", tr("&Next Radio"), QDialogButtonBox::ActionRole},
        {"saveLog", tr("Save &Log..."), QDialogButtonBox::ActionRole}}) {
    QPushButton* button = buttons->addButton(text, role);
    button->setObjectName(QString::fromLatin1(name) + QStringLiteral("Button"));
    button->setAutoDefault(false);
  }
  buttons->addButton(QDialogButtonBox::Close);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(document_);
  layout->addWidget(fixedAtStart);
  layout->addWidget(options);
  layout->addWidget(ports);
  layout->addWidget(status_);
  layout->addWidget(progress_);
  layout->addWidget(table_, 1);
  layout->addWidget(log_);
  layout->addWidget(buttons);

  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(Button("start"), &QPushButton::clicked, this, &CFleetDlg::Start);
  connect(Button("stop"), &QPushButton::clicked, this, &CFleetDlg::Stop);
  connect(Button("next"), &QPushButton::clicked, this, [this] {
    if (Running()) run_->fleet->Next();
  });
  connect(Button("saveLog"), &QPushButton::clicked, this, &CFleetDlg::SaveLog);

  const QString port = context_.port ? context_.port().toUpper() : QString();
  bool chosen = false;
  for (int i = 0; i < kPorts; ++i) {
    PortCheck(i)->setChecked(port == PortName(i));
    chosen = chosen || port == PortName(i);
  }
  // Checking a box, as one is checked here, updates the controls; showing the
  // window names the document.
  if (!chosen) PortCheck(0)->setChecked(true);
}

CFleetDlg::~CFleetDlg() {
  if (!Running()) return;
  run_->fleet->Stop();
  // A thread that will not end in time is left to end on its own: its
  // reports find no window and go nowhere.
  if (!run_->fleet->Wait(kStopWait)) static_cast<void>(run_->fleet.release());
}

bool CFleetDlg::Running() const { return run_ && run_->fleet; }

QCheckBox* CFleetDlg::PortCheck(int port) const {
  return findChild<QCheckBox*>(QStringLiteral("port%1Check").arg(port + 1));
}
QLabel* CFleetDlg::PortStatus(int port) const {
  return findChild<QLabel*>(QStringLiteral("port%1Status").arg(port + 1));
}
QProgressBar* CFleetDlg::PortProgress(int port) const {
  return findChild<QProgressBar*>(QStringLiteral("port%1Progress").arg(port + 1));
}
QCheckBox* CFleetDlg::Check(const QString& name) const {
  return findChild<QCheckBox*>(name + QStringLiteral("Check"));
}
QPushButton* CFleetDlg::Button(const QString& name) const {
  return findChild<QPushButton*>(name + QStringLiteral("Button"));
}

void CFleetDlg::RefreshDocument() {
  if (Running()) return;
  const std::optional<QString> name =
      context_.documentName ? context_.documentName() : std::nullopt;
  document_->setText(name ? tr("Document: %1").arg(*name) : tr("No document is open."));
}

QString CFleetDlg::Translated(const FleetText& text) const {
  if (text.source.empty()) return QString::fromStdString(text.value);
  std::vector<std::string> args;
  for (const FleetText& arg : text.args) args.push_back(Translated(arg).toStdString());
  const QString source =
      QCoreApplication::translate("selkan::FleetText", std::string(text.source).c_str());
  return QString::fromStdString(FillArguments(source.toStdString(), args));
}

void CFleetDlg::Say(const QString& text) {
  ShowMessage({this, caption_, text, QMessageBox::Warning, QMessageBox::Ok});
}

std::optional<FleetOptions> CFleetDlg::OptionsForStart(const std::vector<std::string>& ports) {
  const std::optional<QString> name =
      context_.documentName ? context_.documentName() : std::nullopt;
  const std::optional<RadioImage> image =
      name && context_.documentImage ? context_.documentImage() : std::nullopt;
  if (!image) {
    Say(tr("No document is open."));
    return std::nullopt;
  }
  if (ports.empty()) {
    Say(tr("Choose a port to program on."));
    return std::nullopt;
  }
  if (const std::string twice = RepeatedPort(ports); !twice.empty()) {
    Say(tr("%1 is the same device as another port chosen.").arg(QString::fromStdString(twice)));
    return std::nullopt;
  }
  FleetOptions options;
  options.image = *image;
  options.document = name->toStdString();
  options.backup = Check("backup")->isChecked();
  options.verify = Check("verify")->isChecked();
  options.stopOnFailure = Check("stopOnFailure")->isChecked();
  options.confirm = Check("confirm")->isChecked();
  options.count = count_->value();
  return options;
}

void CFleetDlg::Start() {
  if (Running()) return;
  if (TransferRunning()) {
    Say(tr("Wait until the transfer has ended, or cancel it."));
    return;
  }
  std::vector<int> rows;  // the ports chosen
  std::vector<std::string> ports;
  for (int port = 0; port < kPorts; ++port) {
    if (!PortCheck(port)->isChecked()) continue;
    rows.push_back(port);
    ports.push_back(PortName(port).toStdString());
  }
  std::optional<FleetOptions> options = OptionsForStart(ports);
  if (!options) return;

  // The run's log and backups go to a folder of their own.
  const std::string stamp = "fleet-" + FleetStamp(std::chrono::system_clock::now());
  const std::filesystem::path folder = context_.backupDirectory / stamp;
  const std::filesystem::path logFile = folder / (stamp + ".csv");
  std::error_code made;
  std::filesystem::create_directories(folder, made);
  auto log = std::make_unique<FleetLog>();
  std::string error = made ? Native(folder).toStdString() + ": " + made.message() : std::string();
  if (made || !log->Open(logFile.string(), &error)) {
    Say(tr("The log of the run cannot be written:\n%1").arg(QString::fromStdString(error)));
    return;
  }
  // Read here: the loops' threads do not touch the profile.
  const std::vector<std::string> typeNames =
      context_.typeNames ? context_.typeNames() : std::vector<std::string>();
  options->keep = KeepEveryBackupIn(folder, [typeNames](const RadioImage& radio) {
    return BackupTypeLabelAmong(radio[offset::kRadioType], typeNames);
  });

  run_ = std::make_unique<Run>(ports, *options);
  run_->rows = rows;
  run_->going.emplace();
  table_->clear();
  for (int port = 0; port < kPorts; ++port) {
    PortStatus(port)->clear();
    PortStatus(port)->setToolTip({});
    PortProgress(port)->setValue(0);
  }
  logPath_ = QString::fromStdString(logFile.string());
  log_->setText(tr("Log: %1").arg(QDir::toNativeSeparators(logPath_)));
  document_->setText(tr("Document: %1").arg(QString::fromStdString(options->document)));

  const QPointer<CFleetDlg> self(this);
  FleetCallbacks callbacks;
  callbacks.status = [self](const FleetPortStatus& status) {
    Post(self, [status](CFleetDlg& window) { window.OnStatus(status); });
  };
  callbacks.done = [self](const FleetRecord& record) {
    Post(self, [record](CFleetDlg& window) { window.OnDone(record); });
  };
  run_->fleet = std::make_unique<FleetRun>(*options, callbacks, std::move(log));
  run_->threadsLeft = static_cast<int>(ports.size());
  run_->fleet->Start(
      ports,
      [self](const std::string& port, const std::string& device, const std::string& reason) {
        // The advice on the device's access is looked up here, on the
        // loop's thread, not on the user's.
        const QString details = PortErrorDetails(port, device, reason);
        Post(self, [port, details](CFleetDlg& window) {
          if (!window.run_) return;
          window.run_->failed[port] = details;
          window.ShowBoard();  // said at once, while the other ports go on
        });
      },
      [this](QThread& thread) {
        connect(&thread, &QThread::finished, this, &CFleetDlg::OnThreadFinished,
                Qt::QueuedConnection);
      });
  ShowBoard();
}

void CFleetDlg::Stop() {
  if (!Running() || run_->stopping) return;
  run_->stopping = true;
  run_->board.Stop();
  run_->fleet->Stop();
  ShowBoard();
}

void CFleetDlg::OnStatus(const FleetPortStatus& status) {
  if (!run_) return;
  run_->board.Update(status);
  ShowBoard();
}

void CFleetDlg::OnDone(const FleetRecord& record) {
  if (!run_) return;
  run_->board.Add(record);
  auto* item = new QTreeWidgetItem(table_);
  item->setText(kNumber, QString::number(record.number));
  const auto started =
      std::chrono::duration_cast<std::chrono::milliseconds>(record.start.time_since_epoch());
  item->setText(kStarted, QDateTime::fromMSecsSinceEpoch(started.count()).toString("HH:mm:ss"));
  item->setText(kSeconds, QString::number(record.seconds, 'f', 1));
  item->setText(kPort, QString::fromStdString(record.port));
  const QString result =
      Translated(FleetResultText(record, MismatchesIn(record, run_->image, context_.language)));
  item->setText(kResult, result);
  item->setToolTip(kResult, result);
  const std::filesystem::path backup(record.backupPath);
  item->setText(kBackup, QString::fromStdString(backup.filename().string()));
  item->setToolTip(kBackup, Native(backup));
  item->setTextAlignment(kNumber, Qt::AlignRight | Qt::AlignVCenter);
  item->setTextAlignment(kSeconds, Qt::AlignRight | Qt::AlignVCenter);
  if (!record.Succeeded())
    for (int column = kNumber; column <= kBackup; ++column)
      item->setForeground(column, QColor(192, 0, 0));
  table_->scrollToItem(item);
  QApplication::beep();  // the user swaps radios without looking
  ShowBoard();
}

void CFleetDlg::OnThreadFinished() {
  if (!Running() || --run_->threadsLeft > 0) return;
  const FleetSummary summary = run_->fleet->GetFleet().Summary();
  run_->fleet.reset();
  run_->going.reset();
  ShowBoard();
  if (!summary.logError.empty())
    Say(tr("The log could not be written:\n%1").arg(QString::fromStdString(summary.logError)));
  if (closeWhenEnded_) {
    closeWhenEnded_ = false;
    QDialog::reject();
  }
}

void CFleetDlg::ShowBoard() {
  if (run_) {
    const FleetBoard& board = run_->board;
    for (std::size_t i = 0; i < board.PortCount(); ++i) {
      const int row = run_->rows[i];
      QString text = Translated(board.PortText(i));
      const auto failed = run_->failed.find(board.PortName(i));
      if (failed != run_->failed.end()) {
        text += QStringLiteral(": ") + failed->second.section(QLatin1Char('\n'), 0, 0);
        PortStatus(row)->setToolTip(failed->second);
      }
      PortStatus(row)->setText(text);
      PortProgress(row)->setValue(std::max(0, board.PortPercent(i)));
    }
    status_->setText(Translated(board.Headline()));
    progress_->setValue(std::max(0, board.HeadlinePercent()));
  }
  UpdateControls();
}

void CFleetDlg::UpdateControls() {
  const bool running = Running();
  for (const char* name : {"backup", "verify", "stopOnFailure", "confirm"})
    Check(QString::fromLatin1(name))->setEnabled(!running);
  for (int port = 0; port < kPorts; ++port) {
    PortCheck(port)->setEnabled(!running);
    // A bar for each port chosen.
    PortProgress(port)->setEnabled(PortCheck(port)->isChecked());
    PortProgress(port)->setTextVisible(PortCheck(port)->isChecked());
  }
  count_->setEnabled(!running);
  Button("start")->setEnabled(!running);
  Button("stop")->setEnabled(running && !run_->stopping);
  Button("next")->setEnabled(running && run_->board.WaitsForNext());
  Button("saveLog")->setEnabled(!logPath_.isEmpty());
}

void CFleetDlg::SaveLog() {
  if (logPath_.isEmpty()) return;
  const auto path = AskFilePath({.parent = this,
                                 .kind = FilePromptKind::Save,
                                 .caption = tr("Save Log"),
                                 .proposedPath = QFileInfo(logPath_).fileName(),
                                 .filter = tr("Log (*.csv)"),
                                 .defaultSuffix = QStringLiteral("csv"),
                                 .files = FileKind::Log,
                                 .folders = context_.folders});
  if (!path) return;
  QFile log(logPath_);
  if (!log.open(QIODevice::ReadOnly)) {
    Say(tr("The log %1 cannot be read.").arg(QDir::toNativeSeparators(logPath_)));
    return;
  }
  const QByteArray bytes = log.readAll();
  std::string error;
  if (!WriteFileAtomically(path->toStdString(),
                           {reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                            static_cast<std::size_t>(bytes.size())},
                           &error))
    Say(QString::fromStdString(error));
}

void CFleetDlg::reject() {
  if (!Running()) {
    QDialog::reject();
    return;
  }
  const auto answer = ShowMessage(
      {this, caption_,
       tr("Radios are being programmed. Stop, and close the window once the run has ended?\nA "
          "radio being written is broken off and logged so."),
       QMessageBox::Question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No});
  if (answer != QMessageBox::Yes) return;
  closeWhenEnded_ = true;
  Stop();
}

void CFleetDlg::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1) {
    RequestHelp(command::kProgramSeveralRadios);
    return;
  }
  QDialog::keyPressEvent(event);
}

void CFleetDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  RefreshDocument();
}

}  // namespace selkan
