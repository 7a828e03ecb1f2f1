#include "platform/qt/profile_text.h"

#include <QStringDecoder>

namespace selkan {

QString ProfileText(std::string_view bytes) {
  const QByteArrayView view(bytes.data(), static_cast<qsizetype>(bytes.size()));
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString text = utf8.decode(view);
  if (!utf8.hasError()) return text;
  QStringDecoder gbk("GB18030");
  if (gbk.isValid()) {
    text = gbk.decode(view);
    if (!gbk.hasError()) return text;
  }
  return QString::fromLatin1(view);
}

}  // namespace selkan
