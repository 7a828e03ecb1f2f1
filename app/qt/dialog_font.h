#pragma once

#include <QFont>
#include <QObject>
#include <QStringList>

#include "platform/language.h"

namespace selkan {

// The Chinese family for dialogs among the installed ones: a Song (serif)
// family as the radio's Chinese software uses, else a common Chinese sans
// family; empty when none is installed.
QString PickChineseDialogFamily(const QStringList& installedFamilies);

// The one font of every dialog: "Times New Roman" 9 for English, as the
// dialog forms are drawn; the Chinese family at 9 points for Chinese.
QFont DialogFont(Language language);

// Gives every dialog the dialog font as it is first shown (polished),
// whatever font its form or code chose, so that message boxes, file
// choosers and every dialog the program has or will have look alike.
class CDialogFontFilter : public QObject {
  Q_OBJECT
 public:
  explicit CDialogFontFilter(QFont font, QObject* parent = nullptr);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QFont font_;
};

}  // namespace selkan
