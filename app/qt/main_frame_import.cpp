// File > Import Channels: the file is read, the user says where its rows go
// (and confirms replacing the channels in use), whether rows that do not
// fit are skipped, and the import is one step of the document's history,
// followed by a summary of what it did.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStringList>
#include <algorithm>
#include <cerrno>

#include "app/qt/child_frame.h"
#include "app/qt/file_prompt.h"
#include "app/qt/main_frame.h"
#include "editor/channel_list_import.h"
#include "editor/qt/message_text.h"
#include "editor/qt/selkan_view.h"
#include "platform/input_file.h"
#include "platform/qt/file_error_text.h"
#include "platform/qt/message_box.h"
#include "platform/qt/profile_text.h"
#include "settings/process_settings.h"
#include "settings/profile_text.h"

namespace selkan {

namespace {

constexpr int kListedLines = 20;

// The lines, at most kListedLines of them and a note of the others.
QStringList Capped(const QStringList& lines) {
  if (lines.size() <= kListedLines) return lines;
  return lines.mid(0, kListedLines)
         << CMainFrame::tr("... and %1 more").arg(lines.size() - kListedLines);
}

QStringList ProblemLines(const QString& name, const std::vector<CsvError>& errors,
                         Language language) {
  QStringList lines;
  for (const CsvError& error : errors)
    lines << QStringLiteral("%1:%2: %3")
                 .arg(name)
                 .arg(error.line)
                 .arg(MessageText(error.reason, language));
  return lines;
}

int InUseCount(const ChannelTable& table) {
  return static_cast<int>(std::count_if(table.begin(), table.end(), [](const ChannelRow& row) {
    return !Cell(row, kColRx).empty() || !Cell(row, kColTx).empty();
  }));
}

}  // namespace

void CMainFrame::OnImportChannels() {
  if (RefuseWhileTransferring()) return;
  CSelkanView* view = EditableView();
  if (view == nullptr) return;
  const auto path = AskFilePath({.parent = this,
                                 .kind = FilePromptKind::Open,
                                 .caption = tr("Import Channels"),
                                 .filter = tr("Channel List (*.csv)"),
                                 .defaultSuffix = QStringLiteral("csv"),
                                 .files = FileKind::ChannelList,
                                 .folders = &folders_});
  if (!path) return;
  const QString name = QFileInfo(*path).fileName();
  std::string raw;
  FileError error;
  if (!ReadInputFile(QFile::encodeName(*path).toStdString(), &raw, &error)) {
    ShowMessage(
        {this, messageCaption_,
         error.code == EFBIG
             ? tr("%1 is too large to be a channel list.").arg(name)
             : WithSystemError(tr("Cannot open the file %1.").arg(QDir::toNativeSeparators(*path)),
                               error.code),
         QMessageBox::Warning, QMessageBox::Ok});
    return;
  }
  // UTF-8, or GBK as Chinese spreadsheets save CSV files.
  const std::string text = ProfileText(raw, DetectEncoding(raw)).toStdString();
  const Language language = settings_.language();
  const ChannelListRead read = ReadChannelList(text, view->GetBandLimits());
  auto refuse = [&](const std::vector<CsvError>& errors) {
    const QStringList lines =
        QStringList{tr("No channel was imported. These lines cannot be taken:")}
        << Capped(ProblemLines(name, errors, language));
    ShowMessage({this, messageCaption_, lines.join(QLatin1Char('\n')), QMessageBox::Warning,
                 QMessageBox::Ok});
  };
  if (read.refusal) {
    refuse({*read.refusal});
    return;
  }
  // No row that fits anywhere: nothing to ask about.
  if (const ImportOutcome anywhere = PlaceChannels(read, ChannelTable(), {}, language);
      anywhere.imported == 0 && !anywhere.unfit.empty()) {
    refuse(anywhere.unfit);
    return;
  }

  // Where the rows go.
  view->CommitOpenEditor();
  const ChannelTable current = view->GridTexts();
  const int selected = view->SelectedRange().top;
  const int last = LastChannelInUse(current);
  const QString appendText = last == 0 ? tr("Append: from channel 1 on, as no channel is in use.")
                                       : tr("Append: after channel %1, the last in use.").arg(last);
  const QMessageBox::StandardButton where = ShowMessage(
      {this, messageCaption_,
       tr("Where do the channels of %1 go?").arg(name) + QStringLiteral("\n\n") +
           tr("Replace All: the list holds the file's channels and no others.") + '\n' +
           tr("From Channel %1: from the first selected channel on, over the channels there.")
               .arg(selected) +
           '\n' + appendText,
       QMessageBox::Question,
       QMessageBox::Yes | QMessageBox::YesToAll | QMessageBox::NoToAll | QMessageBox::Cancel,
       QMessageBox::Cancel},
      ButtonTexts{{QMessageBox::Yes, tr("&Replace All")},
                  {QMessageBox::YesToAll, tr("&From Channel %1").arg(selected)},
                  {QMessageBox::NoToAll, tr("&Append")}});
  ImportPlace place;
  if (where == QMessageBox::YesToAll) {
    place = {ImportPlacement::kFrom, selected};
  } else if (where == QMessageBox::NoToAll) {
    place.kind = ImportPlacement::kAppend;  // after the last channel in use
  } else if (where != QMessageBox::Yes) {
    return;
  }
  const int inUse = InUseCount(current);
  if (place.kind == ImportPlacement::kReplaceAll && inUse > 0) {
    const QString question =
        inUse == 1 ? tr("Replace all channels? The channel in use now is replaced by those of %1.")
                         .arg(name)
                   : tr("Replace all channels? The %1 channels in use now are replaced by those "
                        "of %2.")
                         .arg(inUse)
                         .arg(name);
    if (ShowMessage({this, messageCaption_, question, QMessageBox::Question,
                     QMessageBox::Yes | QMessageBox::Cancel, QMessageBox::Cancel},
                    ButtonTexts{{QMessageBox::Yes, tr("&Replace All")}}) != QMessageBox::Yes)
      return;
  }

  // The rows that do not fit are skipped only when the user says so.
  const ImportOutcome outcome = PlaceChannels(read, current, place, language);
  if (!outcome.unfit.empty()) {
    if (outcome.imported == 0) {
      refuse(outcome.unfit);
      return;
    }
    QSet<int> unfitLines;
    for (const CsvError& unfit : outcome.unfit) unfitLines.insert(unfit.line);
    const QStringList lines = QStringList{tr("Rows that fit: %1. Rows that do not fit: %2:")
                                              .arg(outcome.imported)
                                              .arg(unfitLines.size())}
                              << Capped(ProblemLines(name, outcome.unfit, language)) << QString()
                              << tr("Import the rows that fit and skip the others?");
    if (ShowMessage({this, messageCaption_, lines.join(QLatin1Char('\n')), QMessageBox::Question,
                     QMessageBox::Yes | QMessageBox::Cancel, QMessageBox::Cancel},
                    ButtonTexts{{QMessageBox::Yes, tr("&Import %1").arg(outcome.imported)}}) !=
        QMessageBox::Yes)
      return;
  }

  view->ReplaceChannels(outcome.table, tr("Import Channels"));
  QStringList summary;
  for (const UserMessage& line : ImportSummary(read, outcome, place.kind))
    summary << MessageText(line, language);
  ShowMessage({this, messageCaption_, Capped(summary).join(QLatin1Char('\n')),
               QMessageBox::Information, QMessageBox::Ok});
}

}  // namespace selkan
