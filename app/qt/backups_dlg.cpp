#include "app/qt/backups_dlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/qt/command_ids.h"
#include "link/backup_store.h"
#include "link/gui/process_dlg.h"
#include "platform/qt/folder_view.h"
#include "platform/qt/help_request.h"
#include "platform/qt/message_box.h"

namespace selkan {

namespace {

enum Column { kWhen, kType, kIdentification, kSize };

QString Native(const std::filesystem::path& path) {
  return QDir::toNativeSeparators(QString::fromStdString(path.string()));
}

}  // namespace

CBackupsDlg::CBackupsDlg(std::filesystem::path directory, std::function<QString()> port,
                         QWidget* parent)
    : QDialog(parent), directory_(std::move(directory)), writeDocument_(std::move(port)) {
  setObjectName(QStringLiteral("CBackupsDlg"));
  setWindowTitle(tr("Backups"));
  resize(720, 400);

  folder_ = new QLabel(tr("Kept in %1").arg(Native(directory_)), this);
  folder_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  typeFilter_ = new QComboBox(this);
  auto* filterLabel = new QLabel(tr("&Radio type:"), this);
  filterLabel->setBuddy(typeFilter_);
  auto* filterRow = new QHBoxLayout;
  filterRow->addWidget(filterLabel);
  filterRow->addWidget(typeFilter_, 1);

  list_ = new QTreeWidget(this);
  list_->setRootIsDecorated(false);
  list_->setHeaderLabels(
      {tr("Date and time"), tr("Radio type"), tr("Identification"), tr("Size (bytes)")});
  list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  list_->header()->setSectionResizeMode(kIdentification, QHeaderView::Stretch);
  list_->header()->setStretchLastSection(false);
  list_->headerItem()->setTextAlignment(kSize, Qt::AlignRight | Qt::AlignVCenter);

  auto* buttonColumn = new QVBoxLayout;
  for (const auto& [name, text] : {std::pair{"open", tr("&Open")},
                                   {"compare", tr("&Compare with the Active Document")},
                                   {"write", tr("&Write to the Radio")},
                                   {"folder", tr("Show in &Folder")},
                                   {"delete", tr("&Delete")}})
    buttonColumn->addWidget(AddButton(QString::fromLatin1(name), text));
  buttonColumn->addStretch(1);
  auto* close = new QDialogButtonBox(QDialogButtonBox::Close, this);
  buttonColumn->addWidget(close);

  auto* body = new QHBoxLayout;
  body->addWidget(list_, 1);
  body->addLayout(buttonColumn);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(folder_);
  layout->addLayout(filterRow);
  layout->addLayout(body);

  connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(typeFilter_, &QComboBox::currentIndexChanged, this, &CBackupsDlg::Refresh);
  connect(list_, &QTreeWidget::itemSelectionChanged, this, &CBackupsDlg::UpdateButtons);
  connect(list_, &QTreeWidget::itemActivated, this, [this] { emit openRequested(SelectedPath()); });
  connect(Button("open"), &QPushButton::clicked, this,
          [this] { emit openRequested(SelectedPath()); });
  connect(Button("compare"), &QPushButton::clicked, this,
          [this] { emit compareRequested(SelectedPath()); });
  connect(Button("write"), &QPushButton::clicked, this,
          [this] { emit writeRequested(SelectedPath()); });
  connect(Button("folder"), &QPushButton::clicked, this, &CBackupsDlg::ShowInFolder);
  connect(Button("delete"), &QPushButton::clicked, this, &CBackupsDlg::DeleteSelected);
  // The list is read each time the window is shown (showEvent).
}

QPushButton* CBackupsDlg::AddButton(const QString& name, const QString& text) {
  auto* button = new QPushButton(text, this);
  button->setObjectName(name + QStringLiteral("Button"));
  button->setAutoDefault(false);
  buttons_.append(button);
  return button;
}

QPushButton* CBackupsDlg::Button(const QString& name) const {
  return findChild<QPushButton*>(name + QStringLiteral("Button"));
}

void CBackupsDlg::Refresh() {
  const QString selected = SelectedPath();
  const BackupStore store(directory_);
  const std::vector<BackupEntry> all = store.List();

  // The filter offers the types there are, keeping the one chosen.
  const QString chosen = typeFilter_->currentData().toString();
  const QSignalBlocker blocker(typeFilter_);
  typeFilter_->clear();
  typeFilter_->addItem(tr("All radio types"), QString());
  for (const std::string& type : RadioTypesOf(all)) {
    const QString name = QString::fromStdString(type);
    typeFilter_->addItem(name, name);
  }
  typeFilter_->setCurrentIndex(std::max(0, typeFilter_->findData(chosen)));

  list_->clear();
  const std::string type = typeFilter_->currentData().toString().toStdString();
  for (const BackupEntry& entry : NewestFirst(OfRadioType(all, type))) {
    auto* item = new QTreeWidgetItem(list_);
    item->setText(kWhen, QString::fromStdString(entry.when));
    item->setText(kType, QString::fromStdString(entry.radioType));
    item->setText(kIdentification, QString::fromStdString(entry.identification));
    item->setText(kSize, QString::number(entry.size));
    item->setTextAlignment(kSize, Qt::AlignRight | Qt::AlignVCenter);
    item->setData(kWhen, Qt::UserRole, QString::fromStdString(entry.path.string()));
    item->setToolTip(kWhen, Native(entry.path));
  }
  if (selected.isEmpty() || !Select(selected)) list_->setCurrentItem(list_->topLevelItem(0));
  UpdateButtons();
}

bool CBackupsDlg::Select(const QString& path) {
  for (int i = 0; i < list_->topLevelItemCount(); ++i) {
    QTreeWidgetItem* item = list_->topLevelItem(i);
    if (item->data(kWhen, Qt::UserRole).toString() == path) {
      list_->setCurrentItem(item);
      list_->scrollToItem(item);
      return true;
    }
  }
  return false;
}

QString CBackupsDlg::SelectedPath() const {
  const QList<QTreeWidgetItem*> selected = list_->selectedItems();
  return selected.isEmpty() ? QString() : selected.front()->data(kWhen, Qt::UserRole).toString();
}

void CBackupsDlg::UpdateButtons() {
  const bool chosen = !SelectedPath().isEmpty();
  for (QPushButton* button : buttons_) button->setEnabled(chosen || button == Button("folder"));
}

void CBackupsDlg::DeleteSelected() {
  const QString path = SelectedPath();
  if (path.isEmpty()) return;
  const auto answer = ShowMessage(
      {this, caption_,
       tr("Delete the backup %1?\nIt cannot be brought back.").arg(QDir::toNativeSeparators(path)),
       QMessageBox::Question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No});
  if (answer != QMessageBox::Yes) return;
  std::string error;
  if (!BackupStore(directory_).Remove(path.toStdString(), &error)) {
    ShowMessage({this, caption_,
                 tr("The backup could not be deleted:\n%1").arg(QString::fromStdString(error)),
                 QMessageBox::Warning, QMessageBox::Ok});
  }
  Refresh();
}

void CBackupsDlg::ShowInFolder() {
  const QString folder = QString::fromStdString(directory_.string());
  if (QDir(folder).exists() && ShowFolder(folder)) return;
  ShowMessage({this, caption_, tr("The folder %1 cannot be shown.").arg(Native(directory_)),
               QMessageBox::Warning, QMessageBox::Ok});
}

void CBackupsDlg::reject() {
  if (findChild<CProcessDlg*>() != nullptr) return;
  QDialog::reject();
}

void CBackupsDlg::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1) {
    RequestHelp(command::kBackups);
    return;
  }
  QDialog::keyPressEvent(event);
}

void CBackupsDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  Refresh();
}

}  // namespace selkan
