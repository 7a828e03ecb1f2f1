#include "platform/qt/profile_text.h"

#include <QStringDecoder>

namespace selkan {

QString ProfileText(std::string_view bytes, TextEncoding encoding) {
  const QByteArrayView view(bytes.data(), static_cast<qsizetype>(bytes.size()));
  if (encoding == TextEncoding::Utf8) return QString::fromUtf8(view);
  QStringDecoder gbk("GB18030");
  if (gbk.isValid()) return gbk.decode(view);
  return QString::fromLatin1(view);
}

}  // namespace selkan
