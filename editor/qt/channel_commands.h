#pragma once

#include <QCoreApplication>
#include <QString>
#include <functional>
#include <vector>

#include "editor/cell_edits.h"
#include "editor/row_commands.h"
#include "model/product_info.h"
#include "model/radio_image.h"
#include "platform/language.h"

class QWidget;

namespace selkan {

class CCellEditors;
class CMSFlexGrid;
class DocumentHistory;

// The Edit menu's commands on the channel grid: the clipboard, Del, Select
// All and the commands on whole channels. Each first closes an open cell
// editor (committing a changed value), works on the selected cells and
// records what it changed as one step of the document's history.
class ChannelCommands {
  Q_DECLARE_TR_FUNCTIONS(selkan::ChannelCommands)

 public:
  struct Parts {
    CMSFlexGrid& grid;
    CCellEditors& editors;
    DocumentHistory& history;
    const RadioImage& image;  // the document's
    std::function<BandLimits()> limits;
    Language language = Language::English;
    QWidget* owner = nullptr;  // of the messages
  };
  explicit ChannelCommands(Parts parts) : parts_(std::move(parts)) {}

  void Copy();
  void Cut();
  void Paste();
  void Clear();
  void SelectAll();
  // A command on the selected channels; the moved block stays selected.
  void Run(RowCommand command);
  // Every channel row replaced (an import), one step named text.
  void ReplaceChannels(const ChannelTable& table, const QString& text);

 private:
  void ChangeChannels(const ChannelTable& after, const QString& text);
  static QString StepName(RowCommand command);
  void ShowCaution(const QString& text);
  void ShowPasteRefusals(const std::vector<PasteRefusal>& refusals);

  Parts parts_;
};

}  // namespace selkan
