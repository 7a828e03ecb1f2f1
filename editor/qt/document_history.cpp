#include "editor/qt/document_history.h"

#include <QUndoCommand>
#include <QUndoStack>

namespace selkan {

namespace {

// One step of the history. The change is in the document when the step is
// pushed, so its first redo has nothing to do.
class DocumentStep : public QUndoCommand {
 public:
  DocumentStep(HistoryTarget& target, DocumentChange change, const QString& text)
      : QUndoCommand(text), target_(target), change_(std::move(change)) {}

  void undo() override { Put(ChangeSide::Before); }
  void redo() override {
    if (pushed_) {
      pushed_ = false;
      return;
    }
    Put(ChangeSide::After);
  }

 private:
  void Put(ChangeSide side) {
    target_.ApplyChange(change_, side);
    if (const std::optional<CellRange> cells = ChangedCells(change_))
      target_.ShowChangedCells(*cells);
  }

  HistoryTarget& target_;
  DocumentChange change_;
  bool pushed_ = true;
};

}  // namespace

DocumentHistory::DocumentHistory(HistoryTarget& target, QObject* parent)
    : QObject(parent), target_(target), stack_(new QUndoStack(this)) {
  connect(stack_, &QUndoStack::cleanChanged, this, &DocumentHistory::cleanChanged);
  connect(stack_, &QUndoStack::indexChanged, this, [this] {
    ++revision_;
    emit changed();
  });
}

void DocumentHistory::Record(const DocumentState& before, const DocumentState& after,
                             const QString& text) {
  DocumentChange change = DiffStates(before, after);
  if (change.Empty()) return;
  target_.ApplyChange(change, ChangeSide::After);
  stack_->push(new DocumentStep(target_, std::move(change), text));
}

void DocumentHistory::MarkClean() { stack_->setClean(); }

}  // namespace selkan
