#pragma once

#include <QDialog>
#include <QString>
#include <array>
#include <memory>
#include <string>

#include "dialogs/com_ports.h"
#include "dialogs/qt/port_probe.h"

class QRadioButton;

namespace Ui {
class CComSetupDlg;
}

namespace selkan {

class Registry;

// COM Setup: which of COM1..COM4 the cable is on. Buttons of ports that
// cannot be opened now are disabled; the port remembered in the registry
// value "com" is pre-selected. OK gives the port name ("com" and the
// number) and remembers the number; Cancel changes nothing.
class CComSetupDlg : public QDialog {
  Q_OBJECT
 public:
  // registryKey: "Software\" and the product's AppName.
  CComSetupDlg(Registry& registry, std::string registryKey, QWidget* parent = nullptr,
               PortProbe probe = CanOpenPort);
  ~CComSetupDlg() override;

  // After OK: "com" followed by the selected index plus one.
  QString PortName() const;
  QRadioButton* PortButton(int index) const;

 public slots:
  void accept() override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  int CheckedIndex() const;

  std::unique_ptr<Ui::CComSetupDlg> ui_;
  Registry& registry_;
  std::string key_;
  std::array<QRadioButton*, kComPortCount> buttons_{};
  int selected_ = -1;
};

}  // namespace selkan
