#pragma once

#include <QDialog>
#include <memory>

#include "model/optional_features.h"
#include "platform/language.h"

namespace Ui {
class COptionalFeaturesDlg;
}

namespace selkan {

// Optional Features: the radio-wide settings as two check boxes, eleven
// lists and the ANI code. The dialog only shows and collects option
// states; whoever opens it applies States() to the image after OK. The
// keyboard is limited to what the ANI code and the lists need, and the ANI
// code holds digits only, however text reaches it.
class COptionalFeaturesDlg : public QDialog {
  Q_OBJECT
 public:
  COptionalFeaturesDlg(const OptionStates& states, Language language, QWidget* parent = nullptr);
  ~COptionalFeaturesDlg() override;

  // The controls as option states: a list without a selection gives -1.
  OptionStates States() const;

  // Help topic of the dialog itself, for F1 on its buttons.
  static constexpr int kHelpId = 32788;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void OnInitDialog(const OptionStates& states, Language language);

  std::unique_ptr<Ui::COptionalFeaturesDlg> ui_;
};

}  // namespace selkan
