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

// What OK with another radio type or band yields for the main window.
struct ProductChoice {
  std::string caption;  // UTF-8: the lists' visible texts
  BandLimits limits;
};

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

  // Set after OK that changed the choice.
  const std::optional<ProductChoice>& Result() const { return result_; }

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
  std::optional<ProductChoice> result_;
};

}  // namespace selkan
