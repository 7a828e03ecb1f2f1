#pragma once

#include <QDialog>
#include <memory>
#include <optional>
#include <string>

#include "model/product_info.h"
#include "model/radio_image.h"

namespace Ui {
class CProductInfoDlg;
}

namespace selkan {

class CProfileStore;
class Registry;

// Product Information: the user picks radio type and band. It opens on the
// document's own; OK with another choice writes 0xFD0/0xFD1 of the image and
// the registry and yields the new caption (always with English labels) and
// band limits. OK without one changes nothing.
class CProductInfoDlg : public QDialog {
  Q_OBJECT
 public:
  CProductInfoDlg(RadioImage& image, const CProfileStore& profile, Registry& registry,
                  QString captionAppName, QWidget* parent = nullptr);
  ~CProductInfoDlg() override;

  // Set after OK that changed the choice. The caption is UTF-8 (the lists'
  // visible texts).
  const std::optional<ProductStepResult>& Result() const { return result_; }
  // OK changed 0xFD0 or 0xFD1 of the image.
  bool ImageChanged() const { return imageChanged_; }

  // Help id of the command that opens the dialog, for F1 outside the lists.
  static constexpr int kHelpId = 32786;

 protected:
  void accept() override;

 private:
  void OnInitDialog();
  void FillBands(int typeIndex);
  void OnTypeChanged(int typeIndex);
  void OnHelp();

  std::unique_ptr<Ui::CProductInfoDlg> ui_;
  RadioImage& image_;
  const CProfileStore& profile_;
  Registry& registry_;
  QString captionAppName_;
  std::string registryKey_;
  std::optional<ProductStepResult> result_;
  bool imageChanged_ = false;
};

}  // namespace selkan
