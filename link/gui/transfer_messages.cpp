#include "link/gui/transfer_messages.h"

#include <QCoreApplication>

#include "link/port_access.h"
#include "link/port_names.h"

namespace selkan {

namespace {

constexpr WordPair kReadTitle{"Read Data", "读数据"};
constexpr WordPair kWriteTitle{"Write Data", "写数据"};
constexpr WordPair kMismatchCaption{"Caution", "警告"};

// The texts are the link's own, marked for translation where they are defined.
QString Translated(const char* context, std::string_view source) {
  return QCoreApplication::translate(context, std::string(source).c_str());
}

}  // namespace

QString TransferMessageText(TransferOutcome outcome) {
  switch (outcome) {
    case TransferOutcome::kPortError:
    case TransferOutcome::kCommunicationError:
    case TransferOutcome::kProgramInterrupt:
      return Translated("selkan::TransferMessages", EnglishMessage(outcome));
    default:
      return {};
  }
}

QString PortErrorDetails(const std::string& name, const std::string& device,
                         const std::string& reason) {
  QString details = QString::fromStdString(PortLabel(name, device));
  if (!reason.empty()) details += QStringLiteral(": ") + QString::fromStdString(reason);
  const DeviceAccess access = ProbeDeviceAccess(device);
  const PortAdvice advice = AdviseOnAccess(access);
  if (advice == PortAdvice::kNone) return details;
  return details + QStringLiteral("\n\n") +
         Translated("selkan::PortAccess", PortAdviceText(advice))
             .arg(QString::fromStdString(device), QString::fromStdString(access.group));
}

BuiltInMessage RadioMismatchMessage(Language language) {
  return {QString::fromUtf8(kRadioMismatchMessage.In(language)),
          QString::fromUtf8(kMismatchCaption.In(language))};
}

QString TransferTitle(bool write, Language language) {
  return QString::fromUtf8((write ? kWriteTitle : kReadTitle).In(language));
}

}  // namespace selkan
