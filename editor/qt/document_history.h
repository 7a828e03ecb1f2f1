#pragma once

#include <QObject>
#include <QString>
#include <cstdint>

#include "editor/cell_edits.h"
#include "editor/document_change.h"

class QUndoStack;

namespace selkan {

// What the history works on: the grid and the image of one document.
class HistoryTarget {
 public:
  // Puts one side of a change into the grid and the image; what is already
  // there stays untouched.
  virtual void ApplyChange(const DocumentChange& change, ChangeSide side) = 0;
  // The cells an undone or redone step changed, to be shown to the user.
  virtual void ShowChangedCells(const CellRange& cells) = 0;

 protected:
  ~HistoryTarget() = default;
};

// The edit history of one document: every change of its channels or its
// image is one step that can be undone and redone. A step keeps only what
// differs, so that a cell edit costs one row and a read at most every row
// and the image once.
class DocumentHistory : public QObject {
  Q_OBJECT
 public:
  DocumentHistory(HistoryTarget& target, QObject* parent);

  // The document goes from before to after as one step named text (shown
  // as "Undo text"): whatever of after is not in the grid and the image yet
  // is put there. Nothing is recorded when the two are equal.
  void Record(const DocumentState& before, const DocumentState& after, const QString& text);
  // The document was saved or written to the radio as it stands now.
  void MarkClean();
  // Changes with every step recorded, undone or redone.
  std::uint64_t Revision() const { return revision_; }
  // The steps, for Undo and Redo and for the main window's undo group.
  QUndoStack* Stack() const { return stack_; }

 signals:
  // The history stands where it was last marked clean, or has left there.
  void cleanChanged(bool clean);
  // A step was recorded, undone or redone.
  void changed();

 private:
  HistoryTarget& target_;
  QUndoStack* stack_;
  std::uint64_t revision_ = 0;
};

}  // namespace selkan
