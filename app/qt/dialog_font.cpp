#include "app/qt/dialog_font.h"

#include <QDialog>
#include <QEvent>
#include <QFontDatabase>

#include "editor/qt/song_font.h"

namespace selkan {

QString PickChineseDialogFamily(const QStringList& installedFamilies) {
  const QString song = PickSongFamily(installedFamilies);
  if (!song.isEmpty()) return song;
  static const char* const kSans[] = {"Microsoft YaHei",     "SimHei",
                                      "WenQuanYi Micro Hei", "WenQuanYi Zen Hei",
                                      "Noto Sans CJK SC",    "Source Han Sans SC",
                                      "Droid Sans Fallback"};
  for (const char* family : kSans) {
    const QString wanted = QString::fromUtf8(family);
    for (const QString& installed : installedFamilies) {
      if (installed.compare(wanted, Qt::CaseInsensitive) == 0) return installed;
    }
  }
  return {};
}

QFont DialogFont(Language language) {
  QFont font(QStringLiteral("Times New Roman"), 9);
  if (language == Language::Chinese) {
    const QString family = PickChineseDialogFamily(QFontDatabase::families());
    font = QFont();
    if (!family.isEmpty()) font.setFamily(family);
    font.setPointSize(9);
  }
  font.setWeight(QFont::Normal);
  return font;
}

CDialogFontFilter::CDialogFontFilter(QFont font, QObject* parent)
    : QObject(parent), font_(std::move(font)) {}

bool CDialogFontFilter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Polish) {
    if (auto* dialog = qobject_cast<QDialog*>(watched)) dialog->setFont(font_);
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace selkan
