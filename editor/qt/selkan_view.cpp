#include "editor/qt/selkan_view.h"

#include <QFontMetrics>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QResizeEvent>
#include <QUndoStack>

#include "editor/qt/cell_editors.h"
#include "editor/qt/channel_grid_layout.h"
#include "editor/qt/grid_table.h"
#include "editor/qt/ms_flex_grid.h"
#include "editor/qt/song_font.h"
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

// The form in dialog units: its size, the title label and the grid.
constexpr QSize kFormDlu(436, 247);
constexpr QRect kTitleDlu(135, 14, 165, 15);
constexpr QRect kGridDlu(14, 37, 409, 196);

QColor FromColorRef(unsigned color) {
  return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

QFont FormFont() {
  QFont font(QStringLiteral("Times New Roman"), 9);
  font.setWeight(QFont::Normal);
  return font;
}

// Dialog units of a form in the given font: horizontally a quarter of the
// average letter width, vertically an eighth of the line height.
struct DialogUnits {
  explicit DialogUnits(const QFontMetrics& metrics)
      : width(metrics.horizontalAdvance(
                  QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) /
              52.0),
        height(metrics.height()) {}
  int X(int dlu) const { return static_cast<int>(dlu * width / 4.0 + 0.5); }
  int Y(int dlu) const { return static_cast<int>(dlu * height / 8.0 + 0.5); }
  QRect Rect(const QRect& dlu) const {
    return QRect(X(dlu.x()), Y(dlu.y()), X(dlu.width()), Y(dlu.height()));
  }
  double width;
  double height;
};

}  // namespace

CSelkanView::CSelkanView(CSelkanDoc& document, ViewContext context, QWidget* parent)
    : QWidget(parent), document_(document), context_(context) {
  if (context_.profile == nullptr && context_.settings != nullptr)
    context_.profile = context_.settings->Profile();
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
  LayOutForm();
  SetUpHistory();
  SetUpSelection();
}

CSelkanView::~CSelkanView() {
  // The history and the selection still signal while the children go (the
  // history clears itself); by then this is no view any more.
  disconnect(undoStack_, nullptr, this, nullptr);
  disconnect(grid_->Table()->selectionModel(), nullptr, this, nullptr);
}

// The form in pixels: at its own size the label and the grid stay where it
// puts them; a larger window gives the grid more room (FitGridToView).
void CSelkanView::LayOutForm() {
  const DialogUnits units{QFontMetrics(font())};
  formSize_ = QSize(units.X(kFormDlu.width()), units.Y(kFormDlu.height()));
  QRect titleRect = units.Rect(kTitleDlu);
  // The 12-point title needs more height than 15 units of a 9-point form.
  const int titleHeight = std::max(titleRect.height(), QFontMetrics(title_->font()).height() + 4);
  titleRect.setTop(titleRect.top() - (titleHeight - titleRect.height()) / 2);
  titleRect.setHeight(titleHeight);
  const QRect gridRect = units.Rect(kGridDlu);
  formLayout_.title = {titleRect.x(), titleRect.y(), titleRect.width(), titleRect.height()};
  formLayout_.grid = {gridRect.x(), gridRect.y(), gridRect.width(), gridRect.height()};
  setMinimumSize(formSize_);
  resize(formSize_);
  FitGridToView();
}

QSize CSelkanView::sizeHint() const { return formSize_; }

void CSelkanView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  FitGridToView();
}

// The grid grows with the window and shows more rows; its columns keep
// their ratios. Shrinking back gives the form's own layout again.
void CSelkanView::FitGridToView() {
  const FormLayout layout =
      selkan::LayOutForm(formLayout_, formSize_.width(), formSize_.height(), width(), height());
  const auto rect = [](const Box& box) { return QRect(box.x, box.y, box.width, box.height); };
  title_->setGeometry(rect(layout.title));
  grid_->setGeometry(rect(layout.grid));
  if (firstUpdate_) return;  // the column widths are not set up yet
  const std::array<int, kGridCols> widths =
      ScaleColumnWidths(formColumnWidths_, formLayout_.grid.width, layout.grid.width);
  for (int c = 0; c < kGridCols; ++c) {
    if (grid_->GetColWidth(c) != widths[c]) grid_->SetColWidth(c, widths[c]);
  }
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
  toneList_ = BuildToneList(language);
  grid_->SetForeColorFixed(kFixedCellColor);
  SetUpEditors();
  for (int c = 0; c < kGridCols; ++c)
    grid_->SetTextMatrix(0, c, QString::fromUtf8(ColumnTitle(c).In(language)));
  title_->setText(context_.settings != nullptr ? ProfileText(context_.settings->Title(),
                                                             context_.settings->ProfileEncoding())
                                               : QString());
  for (int r = 1; r < kGridRows; ++r)
    grid_->SetTextMatrix(r, 0, QString::fromStdString(ChannelNumberText(r)));
  for (int c = 0; c < kGridCols; ++c) grid_->SetColAlignment(c, CMSFlexGrid::kAlignCenterCenter);
  formColumnWidths_ = ColumnWidths(grid_->GetColWidth(0));
  for (int c = 0; c < kGridCols; ++c) grid_->SetColWidth(c, formColumnWidths_[c]);
  firstUpdate_ = false;
  FitGridToView();
}

// The seven in-cell editors, hidden children of the grid, opened and
// committed by the grid's cell events and by Enter.
void CSelkanView::SetUpEditors() {
  editors_ =
      new CCellEditors(grid_, this, toneList_, CurrentLanguage(), [this] { return limits_; });
  editors_->SetCommitObserver([this](int row, const ChannelRow& before, const ChannelRow& after) {
    DocumentChange change;
    change.rows.push_back({row, before, after});
    PushChange(std::move(change), tr("Cell Edit"));
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
  auto* keys = new CViewKeyFilter([this] { editors_->EnterPressed(); }, this);
  keys->SetEditingKeys(
      [this](QWidget* watched, const QKeyEvent& key) { return ClaimsKey(watched, key); },
      [this](QWidget* watched, const QKeyEvent& key) { return HandleKey(watched, key); });
  keys->Watch(this);
  keys->Watch(grid_->Table());
  for (int c = 1; c < kGridCols; ++c) keys->Watch(editors_->EditorForColumn(c));
}

void CSelkanView::CommitOpenEditor() {
  if (editors_ != nullptr) editors_->CommitOpenEditor();
}

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
  if (editors_ != nullptr) editors_->HideAll();
  grid_->setUpdatesEnabled(false);
  for (int r = 1; r <= offset::kChannelCount; ++r) {
    for (int c = 1; c <= kChannelColumns; ++c)
      grid_->SetTextMatrix(r, c, QString::fromStdString(Cell(table[r - 1], c)));
  }
  grid_->setUpdatesEnabled(true);

  if (context_.profile == nullptr) return;  // no profile: nothing to name or limit
  const std::string languageName =
      context_.settings != nullptr ? context_.settings->LanguageName() : std::string("English");
  MemoryRegistry scratch;  // without a registry the step still sets caption and limits
  Registry& registry = context_.registry != nullptr ? *context_.registry : scratch;
  limits_ = RunProductStep(document_.Image(), BlankDocumentFlag(), *context_.profile, registry);
  emit captionChanged(
      ProductStepCaption(*context_.profile, document_.Image(), languageName, language));
}

void CSelkanView::Encode() {
  CommitOpenEditor();
  EncodeChannels(GridTexts(), document_.Image());
}

}  // namespace selkan
