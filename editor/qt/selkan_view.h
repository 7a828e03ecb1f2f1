#pragma once

#include <QList>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <memory>

#include "editor/cell_edits.h"
#include "editor/document_change.h"
#include "editor/qt/document_history.h"
#include "editor/qt/view_form.h"
#include "link/gui/transfer_document.h"
#include "model/channel_codec.h"
#include "model/product_info.h"

class QAction;
class QLabel;
class QUndoStack;

namespace selkan {

class CCellEditors;
class ChannelCommands;
class CMSFlexGrid;
class CSelkanDoc;
class CProfileStore;
class ProcessSettings;
class Registry;

// What a channel view needs from the program around it.
struct ViewContext {
  const ProcessSettings* settings = nullptr;  // language, product texts, program directory
  const CProfileStore* profile = nullptr;     // Selkan.ini
  Registry* registry = nullptr;               // per-user "Type", "Field", "com"
};

// The form that fills a document window: a title label over the 200 × 8
// channel grid of its document, with the in-cell editors over the grid. It
// shows the document's image in the grid and puts the grid back into the
// image, and it wires the parts that do the editing: the cell editors, the
// Edit menu's commands (ChannelCommands) and the document's history
// (DocumentHistory), whose steps it applies to the grid and the image. The
// document's modified mark follows whether the history stands where the
// document was last saved or written.
class CSelkanView : public QWidget, public TransferDocument, private HistoryTarget {
  Q_OBJECT
 public:
  CSelkanView(CSelkanDoc& document, ViewContext context, QWidget* parent = nullptr);
  ~CSelkanView() override;

  CSelkanDoc& Document() { return document_; }
  CMSFlexGrid* Grid() { return grid_; }
  CCellEditors* CellEditors() { return editors_; }

  // The one-time grid set-up on the first call; every call then reloads the
  // icon and decodes the image into the grid.
  void OnInitialUpdate();
  // Commits an open cell editor, then grid to image.
  void Encode();
  // The channels' texts as the grid shows them (UTF-8).
  ChannelTable GridTexts() const;
  // The band the frequencies typed into the grid must lie in.
  BandLimits GetBandLimits() const { return limits_; }
  void SetBandLimits(BandLimits limits) { limits_ = limits; }
  void SetPortName(const QString& name) { portName_ = name; }
  // The form's size: the frame fits itself to it.
  QSize sizeHint() const override;

  // --- The document's history ---
  QUndoStack* UndoStack() const { return history_->Stack(); }
  // A change of the image made outside the view, such as a dialog's OK, as
  // one step named text: the document's image becomes after.
  void RecordImageChange(const RadioImage& before, const RadioImage& after, const QString& text);
  // Every channel row replaced (an import), one step.
  void ReplaceChannels(const ChannelTable& table, const QString& text);
  void OnEditUndo();
  void OnEditRedo();

  // --- What a transfer needs of the document ---
  QString PortName() const override { return portName_; }
  // Commits the open in-cell editor into its cell, as leaving the cell does.
  void CommitOpenEditor() override;
  RadioImage ImageToWrite() override;
  // A completed read from the radio, one step: the image replaced, the
  // blank-document flag cleared, the image decoded into the grid.
  void TakeReadImage(const RadioImage& image) override;
  std::uint64_t Revision() const override { return history_->Revision(); }
  // The document was saved or written to the radio as it stands now.
  void MarkClean() override;

  // --- The selected cells and the Edit menu's commands on them ---
  // The selected block, or the current cell when nothing is selected.
  CellRange SelectedRange() const;
  void SelectCells(const CellRange& range);
  void OnEditCopy();
  void OnEditCut();
  void OnEditPaste();
  void OnEditClear();
  void OnEditSelectAll();
  void OnInsertChannel();
  void OnDeleteChannel();
  void OnMoveChannelUp();
  void OnMoveChannelDown();
  // The commands the grid's context menu offers (the main window's).
  void SetContextActions(const QList<QAction*>& actions) { contextActions_ = actions; }

 signals:
  // The main window's caption, set by the product step.
  void captionChanged(const QString& caption);
  // The frame's big icon, reloaded at every initial update (null when
  // title.ico is missing).
  void iconChanged(const QIcon& icon);
  // The document's channels or image changed through the view (a step was
  // recorded, undone or redone).
  void edited();

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void ApplyChange(const DocumentChange& change, ChangeSide side) override;
  void ShowChangedCells(const CellRange& cells) override;
  void SetUpOnce();
  void ReloadIcon();
  // Image to grid, then the product step (caption, band limits, registry).
  void Decode();
  Language CurrentLanguage() const;
  void SetUpEditors();
  void SetUpHistory();
  void SetUpSelection();
  // Band limits and caption from the image's radio type and band.
  void RefreshProduct();
  // The main window's caption from the image's type and band.
  void EmitCaption();
  // The grid's channel rows and the image, as the history sees them.
  DocumentState State() const;
  void ShowContextMenu(const QPoint& position);

  CSelkanDoc& document_;
  ViewContext context_;
  QLabel* title_ = nullptr;
  CMSFlexGrid* grid_ = nullptr;
  ViewForm form_;
  CCellEditors* editors_ = nullptr;
  DocumentHistory* history_ = nullptr;
  std::unique_ptr<ChannelCommands> commands_;
  BandLimits limits_;
  QString portName_ = QStringLiteral("COM1");
  bool firstUpdate_ = true;
  QList<QAction*> contextActions_;
};

}  // namespace selkan
