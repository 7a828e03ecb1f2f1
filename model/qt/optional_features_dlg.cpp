#include "model/qt/optional_features_dlg.h"

#include <QKeyEvent>
#include <QRegularExpressionValidator>

#include "model/qt/option_dialog_keys.h"
#include "platform/qt/help_request.h"
#include "platform/qt/profile_text.h"
#include "ui_optional_features_dlg.h"

namespace selkan {

namespace {

using Form = Ui::COptionalFeaturesDlg;

// Each list and the option it shows, as a 0-based index.
struct ListBinding {
  int OptionStates::*state;
  QComboBox* Form::*list;
};
constexpr ListBinding kLists[] = {
    {&OptionStates::busyLock, &Form::busyLockList},
    {&OptionStates::keyLock, &Form::keyLockList},
    {&OptionStates::ani, &Form::aniList},
    {&OptionStates::vox, &Form::voxList},
    {&OptionStates::led, &Form::ledList},
    {&OptionStates::squelchLevel, &Form::squelchList},
    {&OptionStates::voxGainLevel, &Form::voxGainList},
    {&OptionStates::step, &Form::stepList},
    {&OptionStates::timeOutTimer, &Form::timeOutList},
    {&OptionStates::priorityChannel, &Form::priorityList},
    {&OptionStates::voxDelayTime, &Form::voxDelayList},
};

constexpr WordPair kNoPriorityChannel{"Off", "无"};

}  // namespace

COptionalFeaturesDlg::COptionalFeaturesDlg(const OptionStates& states, Language language,
                                           QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Form>()) {
  ui_->setupUi(this);
  // Digits only, whether typed, pasted, dropped or composed by an input
  // method: the edit refuses any change that would leave another character.
  ui_->aniCodeEdit->setValidator(new QRegularExpressionValidator(
      QRegularExpression(QStringLiteral("[0-9]{0,3}")), ui_->aniCodeEdit));
  connect(ui_->okButton, &QPushButton::clicked, this, &QDialog::accept);
  connect(ui_->cancelButton, &QPushButton::clicked, this, &QDialog::reject);
  // Every key press passes the dialog's filter first, whichever control
  // has the focus.
  installEventFilter(this);
  for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
  OnInitDialog(states, language);
}

COptionalFeaturesDlg::~COptionalFeaturesDlg() = default;

void COptionalFeaturesDlg::OnInitDialog(const OptionStates& states, Language language) {
  ui_->priorityList->addItem(Utf8Text(kNoPriorityChannel.In(language)));
  for (int channel = 1; channel < option_lists::kPriorityCount; ++channel)
    ui_->priorityList->addItem(QString::number(channel));

  ui_->batterySaverCheck->setChecked(states.batterySaver);
  ui_->beepCheck->setChecked(states.beep);
  // An index outside its list leaves the list without a selection.
  for (const ListBinding& binding : kLists)
    (ui_.get()->*binding.list)->setCurrentIndex(states.*binding.state);
  ui_->aniCodeEdit->setText(QString::fromStdString(states.aniCode));
}

OptionStates COptionalFeaturesDlg::States() const {
  OptionStates states;
  states.batterySaver = ui_->batterySaverCheck->isChecked();
  states.beep = ui_->beepCheck->isChecked();
  for (const ListBinding& binding : kLists)
    states.*binding.state = (ui_.get()->*binding.list)->currentIndex();
  states.aniCode = ui_->aniCodeEdit->text().toStdString();
  return states;
}

bool COptionalFeaturesDlg::eventFilter(QObject* watched, QEvent* event) {
  const bool press = event->type() == QEvent::KeyPress;
  if (!press && event->type() != QEvent::ShortcutOverride)
    return QDialog::eventFilter(watched, event);
  const auto* key = static_cast<QKeyEvent*>(event);
  const DialogKey verdict = OptionDialogKey(key->key(), key->modifiers());
  if (!press) {
    // No shortcut may take a key the dialog discards or keeps for help.
    if (verdict == DialogKey::Pass) return false;
    event->accept();
    return true;
  }
  if (verdict == DialogKey::HelpThenPass) {
    // Asked once, where the key arrives first, not again for each parent
    // it is passed on to.
    QWidget* focused = focusWidget();
    if (watched == (focused != nullptr ? static_cast<QObject*>(focused) : this)) {
      const QVariant id = focused != nullptr ? focused->property("controlId") : QVariant();
      RequestHelp(id.isValid() ? id.toInt() : kHelpId);
    }
    return false;
  }
  return verdict == DialogKey::Discard;
}

}  // namespace selkan
