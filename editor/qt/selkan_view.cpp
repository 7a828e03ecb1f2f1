#include "editor/qt/selkan_view.h"

#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QPixmap>
#include <QResizeEvent>
#include <QUndoStack>

#include "editor/qt/cell_editors.h"
#include "editor/qt/channel_commands.h"
#include "editor/qt/channel_grid_layout.h"
#include "editor/qt/grid_selection.h"
#include "editor/qt/grid_table.h"
#include "editor/qt/ms_flex_grid.h"
#include "editor/qt/song_font.h"
#include "editor/qt/view_form.h"
#include "editor/qt/view_keys.h"
#include "model/channel_codec.h"
#include "model/qt/product_caption.h"
#include "model/selkan_doc.h"
#include "model/tone_table.h"
#include "platform/qt/profile_text.h"
#include "platform/registry.h"
#include "settings/process_settings.h"
#include "settings/profile_store.h"

namespace selkan {

namespace {

constexpr int kTitleControlId = 1007;

QColor FromColorRef(unsigned color) {
  return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

QFont FormFont() {
  QFont font(QStringLiteral("Times New Roman"), 9);
  font.setWeight(QFont::Normal);
  return font;
}

}  // namespace

CSelkanView::CSelkanView(CSelkanDoc& document, ViewContext context, QWidget* parent)
    : QWidget(parent), document_(document), context_(context) {
  setFont(FormFont());

  title_ = new QLabel(this);
  title_->setObjectName(QStringLiteral("title"));
  title_->setProperty("controlId", kTitleControlId);
  title_->setAlignment(Qt::AlignCenter);
  title_->setFont(TitleFont());
  QPalette titlePalette = title_->palette();
  titlePalette.setColor(QPalette::WindowText, FromColorRef(kTitleColor));
  title_->setPalette(titlePalette);

  grid_ = new CMSFlexGrid(this);
  grid_->setObjectName(QStringLiteral("grid"));
  grid_->SetRows(kGridRows);
  grid_->SetCols(kGridCols);
  form_.LayOut(title_, grid_, font());
  setMinimumSize(form_.Size());
  resize(form_.Size());  // fitted once the grid has its columns (OnInitialUpdate)
  SetUpHistory();
  SetUpEditors();
  SetUpSelection();
  commands_ = std::make_unique<ChannelCommands>(
      ChannelCommands::Parts{*grid_, *editors_, *history_, document_.Image(),
                             [this] { return limits_; }, CurrentLanguage(), this});
}

CSelkanView::~CSelkanView() {
  // The history and the selection still signal while the children go (the
  // history clears itself); by then this is no view any more.
  disconnect(history_, nullptr, this, nullptr);
  disconnect(grid_->Table()->selectionModel(), nullptr, this, nullptr);
}

QSize CSelkanView::sizeHint() const { return form_.Size(); }

void CSelkanView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  form_.Fit(size());
}

Language CSelkanView::CurrentLanguage() const {
  return context_.settings != nullptr ? context_.settings->language() : Language::English;
}

void CSelkanView::OnInitialUpdate() {
  if (firstUpdate_) SetUpOnce();
  ReloadIcon();
  Decode();
}

void CSelkanView::SetUpOnce() {
  const Language language = CurrentLanguage();
  grid_->SetForeColorFixed(kFixedCellColor);
  for (int c = 0; c < kGridCols; ++c)
    grid_->SetTextMatrix(0, c, QString::fromUtf8(ColumnTitle(c).In(language)));
  title_->setText(context_.settings != nullptr ? ProfileText(context_.settings->Title(),
                                                             context_.settings->ProfileEncoding())
                                               : QString());
  for (int r = 1; r < kGridRows; ++r)
    grid_->SetTextMatrix(r, 0, QString::fromStdString(ChannelNumberText(r)));
  for (int c = 0; c < kGridCols; ++c) grid_->SetColAlignment(c, CMSFlexGrid::kAlignCenterCenter);
  form_.SetColumnWidths(ColumnWidths(grid_->GetColWidth(0)));
  firstUpdate_ = false;
  form_.Fit(size());
}

void CSelkanView::SetUpHistory() {
  history_ = new DocumentHistory(*this, this);
  connect(history_, &DocumentHistory::cleanChanged, this,
          [this](bool clean) { document_.SetModified(!clean); });
  connect(history_, &DocumentHistory::changed, this, &CSelkanView::edited);
}

// The seven in-cell editors, hidden children of the grid, opened and
// committed by the grid's cell events and by Enter.
void CSelkanView::SetUpEditors() {
  const Language language = CurrentLanguage();
  editors_ =
      new CCellEditors(grid_, this, BuildToneList(language), language, [this] { return limits_; });
  // A commit has changed the grid already: one row, one step.
  editors_->SetCommitObserver([this](int row, const ChannelRow& before, const ChannelRow&) {
    const DocumentState after = State();
    DocumentState was = after;
    was.channels[row - 1] = before;
    history_->Record(was, after, tr("Cell Edit"));
  });
  // Several selected cells are a block to copy or clear, not a cell to edit.
  editors_->SetOpenCondition([this] {
    const CellRange range = SelectedRange();
    return range.Rows() == 1 && range.Columns() == 1;
  });
  connect(grid_, &CMSFlexGrid::enterCell, editors_, &CCellEditors::OpenCurrentCell);
  connect(grid_, &CMSFlexGrid::mouseDown, editors_, &CCellEditors::OpenCurrentCell);
  connect(grid_, &CMSFlexGrid::leaveCell, this, &CSelkanView::CommitOpenEditor);
  connect(grid_, &CMSFlexGrid::scroll, editors_, &CCellEditors::HideAll);
  new CViewKeyFilter(*this, *grid_, *editors_,
                     {{EditCommand::Undo, [this] { OnEditUndo(); }},
                      {EditCommand::Redo, [this] { OnEditRedo(); }},
                      {EditCommand::Copy, [this] { OnEditCopy(); }},
                      {EditCommand::Cut, [this] { OnEditCut(); }},
                      {EditCommand::Paste, [this] { OnEditPaste(); }},
                      {EditCommand::SelectAll, [this] { OnEditSelectAll(); }},
                      {EditCommand::Clear, [this] { OnEditClear(); }},
                      {EditCommand::MoveUp, [this] { OnMoveChannelUp(); }},
                      {EditCommand::MoveDown, [this] { OnMoveChannelDown(); }}});
}

void CSelkanView::CommitOpenEditor() { editors_->CommitOpenEditor(); }

// title.ico at the size stored in the file; a missing or unreadable file
// gives the null icon, which leaves the frame without one.
void CSelkanView::ReloadIcon() {
  const std::string directory =
      context_.settings != nullptr ? context_.settings->ProgramDirectory() : std::string();
  QPixmap pixmap;
  QIcon icon;
  if (pixmap.load(QString::fromStdString(directory + "title.ico"))) icon = QIcon(pixmap);
  emit iconChanged(icon);
}

void CSelkanView::Decode() {
  const Language language = CurrentLanguage();
  const ChannelTable table = DecodeChannels(document_.Image(), language);
  // A refill replaces every cell: an editor still open holds a replaced text.
  editors_->HideAll();
  grid_->setUpdatesEnabled(false);
  for (int r = 1; r <= offset::kChannelCount; ++r) {
    for (int c = 1; c <= kChannelColumns; ++c)
      grid_->SetTextMatrix(r, c, QString::fromStdString(Cell(table[r - 1], c)));
  }
  grid_->setUpdatesEnabled(true);

  if (context_.profile == nullptr) return;  // no profile: nothing to name or limit
  MemoryRegistry scratch;  // without a registry the step still sets caption and limits
  Registry& registry = context_.registry != nullptr ? *context_.registry : scratch;
  limits_ = RunProductStep(document_.Image(), BlankDocumentFlag(), *context_.profile, registry);
  EmitCaption();
}

void CSelkanView::Encode() {
  CommitOpenEditor();
  EncodeChannels(GridTexts(), document_.Image());
}

ChannelTable CSelkanView::GridTexts() const { return selkan::GridTexts(*grid_); }

DocumentState CSelkanView::State() const { return {GridTexts(), document_.Image()}; }

// --- The history ---

// Undo and redo close the open editor before they come here.
void CSelkanView::ApplyChange(const DocumentChange& change, ChangeSide side) {
  for (const RowChange& row : change.rows)
    PutChannelRow(*grid_, row.channel, side == ChangeSide::After ? row.after : row.before);
  RadioImage& image = document_.Image();
  const std::array product{image[offset::kRadioType], image[offset::kBandIndex]};
  ApplyBytes(change, side, image);
  if (product != std::array{image[offset::kRadioType], image[offset::kBandIndex]}) RefreshProduct();
}

void CSelkanView::ShowChangedCells(const CellRange& cells) { selkan::SelectCells(*grid_, cells); }

// Band limits and caption from the image's radio type and band, as the
// product step shows them, without storing anything in the registry.
void CSelkanView::RefreshProduct() {
  if (context_.profile == nullptr) return;
  const RadioImage& image = document_.Image();
  limits_ = BandLimitsFromText(
      BandText(*context_.profile, image[offset::kRadioType], image[offset::kBandIndex]));
  EmitCaption();
}

void CSelkanView::EmitCaption() {
  const std::string languageName = context_.settings != nullptr
                                       ? context_.settings->LanguageName()
                                       : std::string(LanguageName(Language::English));
  emit captionChanged(
      ProductStepCaption(*context_.profile, document_.Image(), languageName, CurrentLanguage()));
}

void CSelkanView::RecordImageChange(const RadioImage& before, const RadioImage& after,
                                    const QString& text) {
  const ChannelTable channels = GridTexts();
  history_->Record({channels, before}, {channels, after}, text);
}

void CSelkanView::ReplaceChannels(const ChannelTable& table, const QString& text) {
  commands_->ReplaceChannels(table, text);
}

// Undo first takes back a value being chosen in an open list; a value being
// typed has the editor's own undo (the key goes there while it has any).
void CSelkanView::OnEditUndo() {
  if (editors_->HasPendingValue()) {
    editors_->RevertOpenEditor();
    return;
  }
  editors_->HideAll();
  history_->Stack()->undo();
}

// A value still being typed is a new edit: committing it ends the redo.
void CSelkanView::OnEditRedo() {
  editors_->CloseOpenEditor();
  history_->Stack()->redo();
}

// --- Transfers ---

RadioImage CSelkanView::ImageToWrite() {
  Encode();
  return document_.Image();
}

void CSelkanView::TakeReadImage(const RadioImage& image) {
  const DocumentState before = State();
  document_.Image() = image;
  SetBlankDocumentFlag(false);
  Decode();
  history_->Record(before, State(), tr("Read"));
}

void CSelkanView::MarkClean() {
  history_->MarkClean();
  document_.SetModified(false);
}

// --- The selection, the Edit menu and the keys ---

void CSelkanView::SetUpSelection() {
  GridTable* table = grid_->Table();
  connect(table->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
    if (editors_->OpenEditor() == nullptr) return;
    const CellRange range = SelectedRange();
    if (range.Rows() > 1 || range.Columns() > 1) editors_->CloseOpenEditor();
  });
  table->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(table, &QWidget::customContextMenuRequested, this,
          [this, table](const QPoint& at) { ShowContextMenu(table->viewport()->mapToGlobal(at)); });
  QHeaderView* numbers = table->verticalHeader();
  numbers->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(numbers, &QWidget::customContextMenuRequested, this,
          [this, numbers](const QPoint& at) { ShowContextMenu(numbers->mapToGlobal(at)); });
}

CellRange CSelkanView::SelectedRange() const { return selkan::SelectedRange(*grid_); }
void CSelkanView::SelectCells(const CellRange& range) { selkan::SelectCells(*grid_, range); }

void CSelkanView::OnEditCopy() { commands_->Copy(); }
void CSelkanView::OnEditCut() { commands_->Cut(); }
void CSelkanView::OnEditPaste() { commands_->Paste(); }
void CSelkanView::OnEditClear() { commands_->Clear(); }
void CSelkanView::OnEditSelectAll() { commands_->SelectAll(); }
void CSelkanView::OnInsertChannel() { commands_->Run(RowCommand::InsertEmpty); }
void CSelkanView::OnDeleteChannel() { commands_->Run(RowCommand::Delete); }
void CSelkanView::OnMoveChannelUp() { commands_->Run(RowCommand::MoveUp); }
void CSelkanView::OnMoveChannelDown() { commands_->Run(RowCommand::MoveDown); }

void CSelkanView::ShowContextMenu(const QPoint& position) {
  if (contextActions_.isEmpty()) return;
  QMenu menu(this);
  menu.addActions(contextActions_);
  menu.exec(position);
}

}  // namespace selkan
