#include "editor/qt/channel_commands.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QStringList>

#include "editor/channel_columns.h"
#include "editor/clipboard_text.h"
#include "editor/qt/cell_editors.h"
#include "editor/qt/document_history.h"
#include "editor/qt/grid_selection.h"
#include "editor/qt/message_text.h"
#include "platform/qt/message_box.h"

namespace selkan {

void ChannelCommands::Copy() {
  parts_.editors.CloseOpenEditor();
  const CellRange range = SelectedRange(parts_.grid);
  const ChannelTable table = GridTexts(parts_.grid);
  auto* mime = new QMimeData;
  mime->setText(QString::fromStdString(CellsAsTabText(table, range)));
  if (range.left == kColRx && range.right == kColBandwidth) {
    const std::string csv = ChannelsAsCsvText(table, range.top, range.bottom);
    mime->setData(QStringLiteral("text/csv"), QByteArray::fromStdString(csv));
  }
  QApplication::clipboard()->setMimeData(mime);
}

void ChannelCommands::Cut() {
  Copy();
  ChangeChannels(ClearCells(GridTexts(parts_.grid), SelectedRange(parts_.grid), parts_.language),
                 tr("Cut"));
}

void ChannelCommands::Clear() {
  parts_.editors.CloseOpenEditor();
  ChangeChannels(ClearCells(GridTexts(parts_.grid), SelectedRange(parts_.grid), parts_.language),
                 tr("Delete"));
}

void ChannelCommands::Paste() {
  parts_.editors.CloseOpenEditor();
  const QMimeData* mime = QApplication::clipboard()->mimeData();
  const QString text = mime != nullptr ? mime->text() : QString();
  if (text.isEmpty()) return;
  const PastedBlock block = ParsePastedText(text.toStdString());
  const PasteOutcome outcome = PasteCells(GridTexts(parts_.grid), SelectedRange(parts_.grid), block,
                                          parts_.limits(), parts_.language);
  ChangeChannels(outcome.table, tr("Paste"));
  SelectCells(parts_.grid, outcome.pasted);
  if (!outcome.refusals.empty()) ShowPasteRefusals(outcome.refusals);
}

void ChannelCommands::SelectAll() {
  // The view closes an open editor when the selection grows past one cell.
  SelectCells(parts_.grid, {1, kColRx, offset::kChannelCount, kColBandwidth});
}

void ChannelCommands::ReplaceChannels(const ChannelTable& table, const QString& text) {
  parts_.editors.CloseOpenEditor();
  ChangeChannels(table, text);
}

void ChannelCommands::ChangeChannels(const ChannelTable& after, const QString& text) {
  const DocumentState before{GridTexts(parts_.grid), parts_.image};
  parts_.history.Record(before, {after, parts_.image}, text);
}

void ChannelCommands::Run(RowCommand command) {
  parts_.editors.CloseOpenEditor();
  const CellRange range = SelectedRange(parts_.grid);
  const DocumentState before{GridTexts(parts_.grid), parts_.image};
  const RowCommandOutcome outcome = RunRowCommand(before, command, {range.top, range.Rows()});
  if (outcome.refusal == RowCommandRefusal::LastChannelsInUse) {
    const int first = offset::kChannelCount - range.Rows() + 1;
    ShowCaution(range.Rows() == 1
                    ? tr("Channel 199 is in use: no channel can be inserted before it is "
                         "deleted.")
                    : tr("Channels %1 to 199 are not all empty: %2 channels cannot be "
                         "inserted before they are deleted.")
                          .arg(first)
                          .arg(range.Rows()));
    return;
  }
  if (outcome.refusal != RowCommandRefusal::None) return;  // already at the top or bottom
  parts_.history.Record(before, outcome.state, StepName(command));
  SelectCells(parts_.grid, {outcome.block.first, range.left,
                            outcome.block.first + outcome.block.count - 1, range.right});
}

QString ChannelCommands::StepName(RowCommand command) {
  switch (command) {
    case RowCommand::InsertEmpty:
      return tr("Insert Channel");
    case RowCommand::Delete:
      return tr("Delete Channel");
    case RowCommand::MoveUp:
      return tr("Move Up");
    case RowCommand::MoveDown:
      return tr("Move Down");
  }
  return {};
}

void ChannelCommands::ShowCaution(const QString& text) {
  ShowMessage({parts_.owner, CautionCaption(), text, QMessageBox::Warning, QMessageBox::Ok});
}

void ChannelCommands::ShowPasteRefusals(const std::vector<PasteRefusal>& refusals) {
  constexpr int kShown = 20;
  QStringList lines{tr("These values were not entered:")};
  int listed = 0;
  for (const PasteRefusal& refusal : refusals) {
    if (listed == kShown) {
      lines << tr("... and %1 more").arg(static_cast<int>(refusals.size()) - kShown);
      break;
    }
    ++listed;
    switch (refusal.reason) {
      case PasteRefusalReason::BeyondLastChannel:
        lines << tr("%n value(s) below channel 199", nullptr, refusal.count);
        continue;
      case PasteRefusalReason::BeyondLastColumn:
        lines << tr("%n value(s) right of the last column", nullptr, refusal.count);
        continue;
      default:
        break;
    }
    const QString reason = MessageText(PasteRefusalText(refusal.reason), parts_.language);
    lines << tr("Channel %1, %2 \"%3\": %4")
                 .arg(refusal.channel)
                 .arg(QString::fromUtf8(ColumnTitle(refusal.column).In(parts_.language)))
                 .arg(QString::fromStdString(refusal.value), reason);
  }
  ShowCaution(lines.join(QLatin1Char('\n')));
}

}  // namespace selkan
