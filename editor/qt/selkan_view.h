#pragma once

#include <QList>
#include <QString>
#include <QWidget>
#include <array>
#include <string>
#include <vector>

#include "editor/cell_edits.h"
#include "editor/document_change.h"
#include "editor/form_geometry.h"
#include "editor/row_commands.h"
#include "model/channel_codec.h"
#include "model/product_info.h"

class QAction;
class QKeyEvent;
class QLabel;
class QUndoStack;

namespace selkan {

class CCellEditors;
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
// channel grid of its document. It keeps the document's edit history:
// every change of the channels or of the image made through it is one step
// that can be undone and redone, and the document's modified mark follows
// whether the history stands where the document was last saved or written.
class CSelkanView : public QWidget {
  Q_OBJECT
 public:
  CSelkanView(CSelkanDoc& document, ViewContext context, QWidget* parent = nullptr);
  ~CSelkanView() override;

  CSelkanDoc& Document() { return document_; }
  CMSFlexGrid* Grid() { return grid_; }
  QLabel* TitleLabel() { return title_; }

  // The one-time grid set-up on the first call; every call then reloads the
  // icon and decodes the image into the grid.
  void OnInitialUpdate();
  // Image to grid, then the product step (caption, band limits, registry).
  void Decode();
  // Commits an open cell editor, then grid to image.
  void Encode();
  // The channels' texts as the grid shows them (UTF-8).
  ChannelTable GridTexts() const;

  BandLimits GetBandLimits() const { return limits_; }
  void SetBandLimits(BandLimits limits) { limits_ = limits; }
  const QString& PortName() const { return portName_; }
  void SetPortName(const QString& name) { portName_ = name; }
  const std::vector<std::string>& ToneList() const { return toneList_; }
  // The in-cell editors (made by the one-time set-up; nullptr before it).
  CCellEditors* CellEditors() { return editors_; }
  // Commits the open in-cell editor into its cell, as leaving the cell does.
  void CommitOpenEditor();

  // The form's size: the frame fits itself to it.
  QSize sizeHint() const override;

  // --- The edit history (selkan_view_history.cpp) ---
  QUndoStack* UndoStack() const { return undoStack_; }
  // The grid's channel rows (GridTexts) and the image, as the history sees them.
  DocumentState State() const;
  // A change of the image made outside the view, such as a dialog's OK, as
  // one step named text: the document's image becomes after (when it is
  // not already). No step when before and after are equal.
  void RecordImageChange(const RadioImage& before, const RadioImage& after, const QString& text);
  // A completed read from the radio, one step: the image replaced, the
  // blank-document flag cleared, the image decoded into the grid.
  void TakeReadImage(const RadioImage& image);
  // Every channel row replaced (an import), one step.
  void ReplaceChannels(const ChannelTable& table, const QString& text);
  // The document was saved or written to the radio as it stands now.
  void MarkClean();
  // Puts one side of a recorded change into the grid and the image.
  void ApplyChange(const DocumentChange& change, ChangeSide side);
  void OnEditUndo();
  void OnEditRedo();

  // --- Editing the selected cells and channels (selkan_view_editing.cpp) ---
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
  void SetUpOnce();
  void LayOutForm();
  void FitGridToView();
  void ReloadIcon();
  Language CurrentLanguage() const;
  void SetUpEditors();
  void SetUpHistory();
  void SetUpSelection();
  void RefreshProduct();
  // Records a change that is already in the grid and the image.
  void PushChange(DocumentChange change, const QString& text);
  // Puts the channels of after into the grid as one step.
  void ChangeChannels(const ChannelTable& after, const QString& text);
  void RunRowCommand(RowCommand command, const QString& text);
  // An open cell editor is closed (committed when changed) before a command.
  void CloseEditorForCommand();
  bool ClaimsKey(QWidget* watched, const QKeyEvent& key) const;
  bool HandleKey(QWidget* watched, const QKeyEvent& key);
  void ShowContextMenu(const QPoint& position);
  void ShowPasteRefusals(const std::vector<PasteRefusal>& refusals);
  void ShowCaution(const QString& text);

  CSelkanDoc& document_;
  ViewContext context_;
  QLabel* title_ = nullptr;
  CMSFlexGrid* grid_ = nullptr;
  BandLimits limits_;
  QString portName_ = QStringLiteral("COM1");
  std::vector<std::string> toneList_;
  CCellEditors* editors_ = nullptr;
  bool firstUpdate_ = true;
  QSize formSize_;
  FormLayout formLayout_;
  std::array<int, 8> formColumnWidths_{};  // twips, set by the one-time set-up
  QUndoStack* undoStack_ = nullptr;
  QList<QAction*> contextActions_;
};

}  // namespace selkan
