// The channel view's edit history: one QUndoStack per document, one command
// per change of the grid or the image, recorded after the change was made.
#include <QUndoCommand>
#include <QUndoStack>
#include <algorithm>

#include "editor/qt/cell_editors.h"
#include "editor/qt/ms_flex_grid.h"
#include "editor/qt/selkan_view.h"
#include "model/qt/product_caption.h"
#include "model/selkan_doc.h"
#include "settings/process_settings.h"

namespace selkan {

namespace {

// The cells a change touches on one side, as one block; nullopt when it
// changes no row.
std::optional<CellRange> ChangedCells(const DocumentChange& change) {
  std::optional<CellRange> range;
  for (const RowChange& row : change.rows) {
    for (int column = kColRx; column <= kColBandwidth; ++column) {
      if (Cell(row.before, column) == Cell(row.after, column)) continue;
      if (!range) {
        range = CellRange{row.channel, column, row.channel, column};
        continue;
      }
      range->top = std::min(range->top, row.channel);
      range->bottom = std::max(range->bottom, row.channel);
      range->left = std::min(range->left, column);
      range->right = std::max(range->right, column);
    }
  }
  return range;
}

// One step of the history. The change is in the document when the step is
// pushed, so its first redo has nothing to do.
class CDocumentCommand : public QUndoCommand {
 public:
  CDocumentCommand(CSelkanView& view, DocumentChange change, const QString& text)
      : QUndoCommand(text), view_(view), change_(std::move(change)) {}

  void undo() override { Put(ChangeSide::Before); }
  void redo() override {
    if (done_) {
      done_ = false;
      return;
    }
    Put(ChangeSide::After);
  }

 private:
  void Put(ChangeSide side) {
    view_.ApplyChange(change_, side);
    if (const std::optional<CellRange> cells = ChangedCells(change_)) view_.SelectCells(*cells);
  }

  CSelkanView& view_;
  DocumentChange change_;
  bool done_ = true;
};

}  // namespace

void CSelkanView::SetUpHistory() {
  undoStack_ = new QUndoStack(this);
  connect(undoStack_, &QUndoStack::cleanChanged, this,
          [this](bool clean) { document_.SetModified(!clean); });
  connect(undoStack_, &QUndoStack::indexChanged, this, &CSelkanView::edited);
}

ChannelTable CSelkanView::GridTexts() const {
  ChannelTable table;
  for (int r = 1; r <= offset::kChannelCount; ++r) {
    for (int c = 1; c <= kChannelColumns; ++c)
      Cell(table[r - 1], c) = grid_->GetTextMatrix(r, c).toStdString();
  }
  return table;
}

DocumentState CSelkanView::State() const { return {GridTexts(), document_.Image()}; }

void CSelkanView::PushChange(DocumentChange change, const QString& text) {
  if (change.Empty()) return;
  undoStack_->push(new CDocumentCommand(*this, std::move(change), text));
}

void CSelkanView::ApplyChange(const DocumentChange& change, ChangeSide side) {
  // The cells change under an editor that may be open over one of them.
  if (editors_ != nullptr) editors_->HideAll();
  for (const RowChange& row : change.rows) {
    const ChannelRow& cells = side == ChangeSide::After ? row.after : row.before;
    for (int c = kColRx; c <= kColBandwidth; ++c) {
      const QString text = QString::fromStdString(Cell(cells, c));
      if (grid_->GetTextMatrix(row.channel, c) != text) grid_->SetTextMatrix(row.channel, c, text);
    }
  }
  ApplyBytes(change, side, document_.Image());
  if (change.TouchesBytes(offset::kRadioType, offset::kBandIndex)) RefreshProduct();
}

// Band limits and caption from the image's radio type and band, as the
// product step shows them, without storing anything in the registry.
void CSelkanView::RefreshProduct() {
  if (context_.profile == nullptr) return;
  const RadioImage& image = document_.Image();
  limits_ = BandLimitsFromText(
      BandText(*context_.profile, image[offset::kRadioType], image[offset::kBandIndex]));
  const std::string languageName =
      context_.settings != nullptr ? context_.settings->LanguageName() : std::string("English");
  emit captionChanged(
      ProductStepCaption(*context_.profile, image, languageName, CurrentLanguage()));
}

void CSelkanView::ChangeChannels(const ChannelTable& after, const QString& text) {
  const DocumentState before = State();
  DocumentState changed = before;
  changed.channels = after;
  const DocumentChange change = DiffStates(before, changed);
  ApplyChange(change, ChangeSide::After);
  PushChange(change, text);
}

void CSelkanView::RecordImageChange(const RadioImage& before, const RadioImage& after,
                                    const QString& text) {
  if (document_.Image() != after) document_.Image() = after;
  PushChange(DiffImages(before, after), text);
}

void CSelkanView::TakeReadImage(const RadioImage& image) {
  const DocumentState before = State();
  document_.Image() = image;
  SetBlankDocumentFlag(false);
  Decode();
  PushChange(DiffStates(before, State()), tr("Read"));
}

void CSelkanView::ReplaceChannels(const ChannelTable& table, const QString& text) {
  CloseEditorForCommand();
  ChangeChannels(table, text);
}

void CSelkanView::MarkClean() {
  undoStack_->setClean();
  document_.SetModified(false);
}

// Undo first takes back a value being chosen in an open list; a value being
// typed has the editor's own undo (the key goes there while it has any).
void CSelkanView::OnEditUndo() {
  if (editors_ != nullptr && editors_->HasPendingValue()) {
    editors_->RevertOpenEditor();
    return;
  }
  if (editors_ != nullptr) editors_->HideAll();
  undoStack_->undo();
}

// A value still being typed is a new edit: committing it ends the redo.
void CSelkanView::OnEditRedo() {
  CloseEditorForCommand();
  undoStack_->redo();
}

}  // namespace selkan
