#include "link/gui/transfer_messages.h"

#include <QCoreApplication>

#include "link/port_access.h"
#include "link/port_names.h"

namespace selkan {

namespace {

constexpr WordPair kReadTitle{"Read Data", "读数据"};
constexpr WordPair kWriteTitle{"Write Data", "写数据"};
constexpr WordPair kMismatchCaption{"Caution", "警告"};
constexpr WordPair kMismatchText{
    "Becuase the type of radio does not match,\ncommunications is interrupt.",
    "对讲机类型不匹配,无法通讯。"};

QString Translated(const char* source) {
  return QCoreApplication::translate("selkan::TransferMessages", source);
}

}  // namespace

QString TransferMessageText(TransferOutcome outcome) {
  // The sources repeat the link's English texts so that the catalogs find them.
  switch (outcome) {
    case TransferOutcome::kPortError:
      return Translated(
          "Could not Open the Port,Please check whether the Port are occupied or the device are "
          "ok");
    case TransferOutcome::kCommunicationError:
      return Translated("Communication Error,Please check all the connections and the radio power");
    case TransferOutcome::kProgramInterrupt:
      return Translated("Program Interrupt, Please reset the radio and try again");
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
         QCoreApplication::translate("selkan::PortAccess", PortAdviceText(advice))
             .arg(QString::fromStdString(device), QString::fromStdString(access.group));
}

BuiltInMessage RadioMismatchMessage(Language language) {
  return {QString::fromUtf8(kMismatchText.In(language)),
          QString::fromUtf8(kMismatchCaption.In(language))};
}

QString TransferTitle(bool write, Language language) {
  return QString::fromUtf8((write ? kWriteTitle : kReadTitle).In(language));
}

}  // namespace selkan
