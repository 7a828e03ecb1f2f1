#include "editor/qt/song_font.h"

#include <QFontDatabase>

namespace selkan {

QString PickSongFamily(const QStringList& installedFamilies) {
  static const char* const kPreferred[] = {
      "SimSun",
      "宋体",
      "NSimSun",
      "AR PL UMing CN",
      "AR PL UMing TW",
      "AR PL SungtiL GB",
      "Noto Serif CJK SC",
      "Source Han Serif SC",
      "Noto Serif SC",
  };
  for (const char* family : kPreferred) {
    const QString wanted = QString::fromUtf8(family);
    for (const QString& installed : installedFamilies) {
      if (installed.compare(wanted, Qt::CaseInsensitive) == 0) return installed;
    }
  }
  return {};
}

QFont TitleFont() {
  QFont font;
  const QString family = PickSongFamily(QFontDatabase::families());
  if (!family.isEmpty()) font.setFamily(family);
  font.setPointSize(12);
  font.setBold(false);
  return font;
}

}  // namespace selkan
