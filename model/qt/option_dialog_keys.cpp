#include "model/qt/option_dialog_keys.h"

namespace selkan {

DialogKey OptionDialogKey(int key, Qt::KeyboardModifiers modifiers) {
  if (key == Qt::Key_F1) return DialogKey::HelpThenPass;
  const bool editing = (key >= Qt::Key_0 && key <= Qt::Key_9) || key == Qt::Key_Backspace ||
                       key == Qt::Key_Delete || key == Qt::Key_Left || key == Qt::Key_Right ||
                       key == Qt::Key_Up || key == Qt::Key_Down;
  return editing && !(modifiers & Qt::ShiftModifier) ? DialogKey::Pass : DialogKey::Discard;
}

}  // namespace selkan
