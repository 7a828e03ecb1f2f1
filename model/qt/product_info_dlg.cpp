#include "model/qt/product_info_dlg.h"

#include <QKeySequence>
#include <QShortcut>

#include "model/qt/product_caption.h"
#include "platform/qt/help_request.h"
#include "platform/qt/profile_text.h"
#include "platform/registry.h"
#include "settings/product_profile.h"
#include "settings/profile_store.h"
#include "ui_product_info_dlg.h"

namespace selkan {

CProductInfoDlg::CProductInfoDlg(RadioImage& image, const CProfileStore& profile,
                                 Registry& registry, QString captionAppName, QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<Ui::CProductInfoDlg>()),
      image_(image),
      profile_(profile),
      registry_(registry),
      captionAppName_(std::move(captionAppName)),
      registryKey_(ProductRegistryKey(profile)) {
  ui_->setupUi(this);
  connect(ui_->okButton, &QPushButton::clicked, this, &CProductInfoDlg::accept);
  connect(ui_->cancelButton, &QPushButton::clicked, this, &CProductInfoDlg::reject);
  auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
  connect(help, &QShortcut::activated, this, &CProductInfoDlg::OnHelp);
  OnInitDialog();
  connect(ui_->typeList, &QComboBox::currentIndexChanged, this, &CProductInfoDlg::OnTypeChanged);
}

CProductInfoDlg::~CProductInfoDlg() = default;

// Types from the profile, then the document's own type and band from its
// image. The registry's choice is the last one used anywhere (another
// document, the radio read last); it names the type and band of New only.
// A type or band the lists do not hold is left unselected, and OK keeps it.
void CProductInfoDlg::OnInitDialog() {
  ui_->typeList->clear();
  for (const std::string& name : RadioTypeNames(profile_))
    ui_->typeList->addItem(ProfileText(name, profile_.Encoding()));

  const int type = image_[offset::kRadioType];
  const int band = image_[offset::kBandIndex];
  ui_->typeList->setCurrentIndex(type < ui_->typeList->count() ? type : -1);
  FillBands(type);
  ui_->bandList->setCurrentIndex(band < ui_->bandList->count() ? band : -1);
}

// The band list of the type (key "Field" + type index + 1), in order, with
// no entry selected.
void CProductInfoDlg::FillBands(int typeIndex) {
  ui_->bandList->clear();
  for (const std::string& band :
       SplitBands(BandListOfType(profile_, typeIndex), profile_.Encoding()))
    ui_->bandList->addItem(ProfileText(band, profile_.Encoding()));
  ui_->bandList->setCurrentIndex(-1);
}

void CProductInfoDlg::OnTypeChanged(int typeIndex) {
  if (typeIndex < 0) return;
  FillBands(typeIndex);
  if (ui_->bandList->count() > 0) ui_->bandList->setCurrentIndex(0);
}

void CProductInfoDlg::accept() {
  const int type = ui_->typeList->currentIndex();
  const int band = ui_->bandList->currentIndex();
  // A list without a selection (a profile without types or bands) leaves
  // its byte and registry value as they are rather than storing 0xFF.
  const RadioImage before = image_;
  if (type >= 0) image_[offset::kRadioType] = static_cast<std::uint8_t>(type);
  if (band >= 0) image_[offset::kBandIndex] = static_cast<std::uint8_t>(band);
  // OK on the document's own choice is no choice: caption, limits and the
  // registry stay as they are.
  if (image_ == before) {
    QDialog::accept();
    return;
  }

  const QString typeText = ui_->typeList->currentText();
  const QString bandText = ui_->bandList->currentText();
  result_ = ProductChoice{
      ProductCaption(captionAppName_, typeText, bandText, Language::English).toStdString(),
      BandLimitsFromText(bandText.toStdString())};

  if (type >= 0)
    registry_.WriteValue(registryKey_, kTypeRegistryValue, static_cast<std::uint32_t>(type));
  if (band >= 0)
    registry_.WriteValue(registryKey_, kBandRegistryValue, static_cast<std::uint32_t>(band));
  QDialog::accept();
}

// F1 asks for the topic of the focused list, or of the dialog's command.
void CProductInfoDlg::OnHelp() {
  const QWidget* focused = focusWidget();
  const QVariant id = focused != nullptr ? focused->property("controlId") : QVariant();
  RequestHelp(id.isValid() ? id.toInt() : kHelpId);
}

}  // namespace selkan
