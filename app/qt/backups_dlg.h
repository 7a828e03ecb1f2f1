#pragma once

#include <QDialog>
#include <QString>
#include <filesystem>
#include <functional>

#include "link/gui/image_document.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTreeWidget;

namespace selkan {

// Program > Backups: the copies of radios kept before each write, newest
// first, filtered by radio type. Open, Compare and Write are the main
// window's to carry out; Show in Folder and Delete are done here. Modeless,
// and kept while the program runs.
class CBackupsDlg : public QDialog {
  Q_OBJECT
 public:
  // port: the port a write of a backup goes to.
  CBackupsDlg(std::filesystem::path directory, std::function<QString()> port,
              QWidget* parent = nullptr);

  void SetMessageCaption(const QString& caption) { caption_ = caption; }
  // Lists the folder anew, keeping the selection when it is still there.
  void Refresh();
  // Selects the backup of the path; false when it is not listed.
  bool Select(const QString& path);
  QString SelectedPath() const;

  QTreeWidget* List() const { return list_; }
  QComboBox* TypeFilter() const { return typeFilter_; }
  // The buttons by name: "open", "compare", "write", "folder", "delete".
  QPushButton* Button(const QString& name) const;
  // What a write from here sends: the backup chosen for it.
  ImageDocument& WriteDocument() { return writeDocument_; }

 public slots:
  // Closing waits while a write from here runs: its progress window is ours.
  void reject() override;

 signals:
  void openRequested(const QString& path);
  void compareRequested(const QString& path);
  void writeRequested(const QString& path);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  QPushButton* AddButton(const QString& name, const QString& text);
  void UpdateButtons();
  void DeleteSelected();
  void ShowInFolder();

  std::filesystem::path directory_;
  ImageDocument writeDocument_;
  QString caption_;
  QLabel* folder_ = nullptr;
  QComboBox* typeFilter_ = nullptr;
  QTreeWidget* list_ = nullptr;
  QList<QPushButton*> buttons_;
};

}  // namespace selkan
