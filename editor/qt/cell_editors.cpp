#include "editor/qt/cell_editors.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>

#include "editor/qt/ms_flex_grid.h"
#include "model/channel_codec.h"
#include "platform/qt/message_box.h"

namespace selkan {

namespace {

QString Text(const char* utf8) { return QString::fromUtf8(utf8); }

}  // namespace

QString TranslatedCellMessage(CellMessage message) {
  // The texts are the editor's own, marked for translation in this context.
  return CCellEditors::tr(std::string(CellMessageText(message)).c_str());
}

QString CautionCaption() { return CCellEditors::tr("Caution"); }

QRect CellEditorRect(const CellTwips& cell, int dpiX, int dpiY) {
  const int height = dpiY * cell.height / 1440;
  const int left = dpiX * cell.left / 1440;
  const int top = dpiY * cell.top / 1440;
  const int width = dpiX * cell.width / 1440;
  return QRect(left, top, width, height);
}

int MatchingItem(const std::vector<QString>& items, const QString& text) {
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (items[i].startsWith(text, Qt::CaseInsensitive)) return static_cast<int>(i);
  }
  return 0;
}

CCellEditors::CCellEditors(CMSFlexGrid* grid, QWidget* owner,
                           const std::vector<std::string>& toneList, Language language,
                           std::function<BandLimits()> limits)
    : QObject(owner), grid_(grid), owner_(owner), language_(language), limits_(std::move(limits)) {
  CreateEditors(toneList, language);
}

CCellEditors::~CCellEditors() = default;

void CCellEditors::CreateEditors(const std::vector<std::string>& toneList, Language language) {
  auto makeEdit = [this](int controlId) {
    auto* edit = new QLineEdit(grid_);
    edit->setProperty("controlId", controlId);
    edit->setFrame(false);
    edit->setFont(owner_->font());
    edit->setGeometry(QRect());
    edit->hide();
    return edit;
  };
  rx_ = makeEdit(kRxEditorId);
  tx_ = makeEdit(kTxEditorId);

  std::vector<QString> tones;
  tones.reserve(toneList.size());
  for (const std::string& tone : toneList) tones.push_back(QString::fromStdString(tone));
  auto words = [language](std::initializer_list<WordPair> pairs) {
    std::vector<QString> items;
    for (const WordPair& pair : pairs) items.push_back(Text(pair.In(language)));
    return items;
  };
  lists_[0] = MakeList(kDecodeToneListId, tones, true);
  lists_[1] = MakeList(kEncodeToneListId, tones, true);
  lists_[2] = MakeList(kPowerListId, words({words::kHigh, words::kMiddle, words::kLow}), false);
  lists_[3] = MakeList(kScanListId, words({words::kOn, words::kOff}), false);
  lists_[4] = MakeList(kBandwidthListId, words({words::kWide, words::kNarrow}), false);
  for (std::size_t i = 0; i < lists_.size(); ++i) {
    listItems_[i].clear();
    for (int k = 0; k < lists_[i]->count(); ++k) listItems_[i].push_back(lists_[i]->itemText(k));
  }
}

// A drop-down list without typing; its items keep the order given.
QComboBox* CCellEditors::MakeList(int controlId, const std::vector<QString>& items,
                                  bool scrollBar) {
  auto* list = new QComboBox(grid_);
  list->setProperty("controlId", controlId);
  list->setEditable(false);
  list->setFont(owner_->font());
  for (const QString& item : items) list->addItem(item);
  list->view()->setVerticalScrollBarPolicy(scrollBar ? Qt::ScrollBarAsNeeded
                                                     : Qt::ScrollBarAlwaysOff);
  // Some styles drop a list as a menu as tall as the screen, whatever the
  // number of rows asked for; a plain list keeps to it and scrolls.
  list->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
  list->setMaxVisibleItems(scrollBar ? kToneListRows : std::max(1, list->count()));
  list->setGeometry(QRect());
  list->hide();
  return list;
}

QComboBox* CCellEditors::ListForColumn(int column) const {
  if (column < kColDecodeTone || column > kColBandwidth) return nullptr;
  return lists_[static_cast<std::size_t>(column - kColDecodeTone)];
}

QWidget* CCellEditors::EditorForColumn(int column) const {
  if (column == kColTx) return tx_;
  if (QComboBox* list = ListForColumn(column)) return list;
  return rx_;
}

QWidget* CCellEditors::OpenEditor() const {
  for (int column = kColRx; column <= kColBandwidth; ++column) {
    QWidget* editor = EditorForColumn(column);
    if (!editor->isHidden()) return editor;
  }
  return nullptr;
}

void CCellEditors::ShowCellEditor() {
  const int column = grid_->GetCol();
  QWidget* editor = EditorForColumn(column);
  QComboBox* list = ListForColumn(column);
  if (list == nullptr) static_cast<QLineEdit*>(editor)->setText(grid_->GetText());
  const CellTwips cell{grid_->GetCellLeft(), grid_->GetCellTop(), grid_->GetCellWidth(),
                       grid_->GetCellHeight()};
  editor->setGeometry(CellEditorRect(cell, grid_->logicalDpiX(), grid_->logicalDpiY()));
  editor->raise();
  editor->setFocus();
  editor->show();
  grid_->update();
}

void CCellEditors::OpenCurrentCell() {
  if (suppressOpen_ || (canOpen_ && !canOpen_())) return;
  const QString text = grid_->GetText();
  const int column = grid_->GetCol();
  if (QComboBox* list = ListForColumn(column)) {
    list->setCurrentIndex(
        MatchingItem(listItems_[static_cast<std::size_t>(column - kColDecodeTone)], text));
  } else {
    static_cast<QLineEdit*>(EditorForColumn(column))->setText(text);
  }
  ShowCellEditor();
  openedWith_ = EditorValue(column);
}

QString CCellEditors::EditorValue(int column) const {
  if (QComboBox* list = ListForColumn(column)) return list->currentText();
  return static_cast<QLineEdit*>(EditorForColumn(column))->text();
}

bool CCellEditors::HasPendingValue() const {
  QWidget* open = OpenEditor();
  return open != nullptr && open == EditorForColumn(grid_->GetCol()) &&
         EditorValue(grid_->GetCol()) != openedWith_;
}

void CCellEditors::CloseOpenEditor() {
  if (HasPendingValue())
    CommitOpenEditor();
  else
    HideAll();
}

void CCellEditors::RevertOpenEditor() {
  const int column = grid_->GetCol();
  QWidget* editor = EditorForColumn(column);
  if (editor->isHidden()) return;
  if (QComboBox* list = ListForColumn(column)) {
    list->setCurrentIndex(MatchingItem(
        listItems_[static_cast<std::size_t>(column - kColDecodeTone)], grid_->GetText()));
  } else {
    static_cast<QLineEdit*>(editor)->setText(grid_->GetText());
  }
  openedWith_ = EditorValue(column);
}

CCellEditors::Outcome CCellEditors::CommitOpenEditor() {
  const int row = grid_->GetRow();
  const int column = grid_->GetCol();
  QWidget* editor = EditorForColumn(column);
  if (editor->isHidden()) return {};

  const QString value = EditorValue(column);
  // Hidden before the message, so that nothing the box lets run can commit
  // the same editor a second time.
  const bool hadFocus = editor->hasFocus();
  editor->hide();
  if (hadFocus) grid_->setFocus();
  // A cell only passed through keeps its text: a channel outside today's
  // band is not cleared, an empty Tx does not become the Rx.
  if (value == openedWith_) return {};
  ChannelRow before;
  for (int c = kColRx; c <= kColBandwidth; ++c)
    Cell(before, c) = grid_->GetTextMatrix(row, c).toStdString();
  const CellCommit commit = CommitCell(before, column, value.toStdString(), limits_(), language_);
  if (commit.message != CellMessage::None) ShowMessage(commit.message);
  bool changed = false;
  for (int c = kColRx; c <= kColBandwidth; ++c) {
    if (Cell(commit.row, c) == Cell(before, c)) continue;
    grid_->SetTextMatrix(row, c, QString::fromStdString(Cell(commit.row, c)));
    changed = true;
  }
  if (changed && observer_) observer_(row, before, commit.row);
  return {commit.rejected};
}

void CCellEditors::HideAll() {
  QWidget* open = OpenEditor();
  const bool hadFocus = open != nullptr && open->hasFocus();
  rx_->hide();
  tx_->hide();
  for (QComboBox* list : lists_) list->hide();
  if (hadFocus) grid_->setFocus();
  grid_->update();
}

void CCellEditors::EnterPressed() {
  const int column = grid_->GetCol();
  const Outcome outcome = CommitOpenEditor();
  if (outcome.rejected && (column == kColRx || column == kColTx)) return;
  Advance();
}

// The grid moves one axis at a time; the cell passed on the way to the next
// row is not opened, so that it is not committed by the second move.
void CCellEditors::Advance() {
  const int rows = grid_->GetRows();
  const int cols = grid_->GetCols();
  const int row = grid_->GetRow();
  const int column = grid_->GetCol();
  if (column < cols - 1) {
    grid_->SetCol(column + 1);
    return;
  }
  suppressOpen_ = true;
  if (row < rows - 1) {
    grid_->SetCol(1);
    suppressOpen_ = false;
    grid_->SetRow(row + 1);
  } else {
    grid_->SetRow(1);
    suppressOpen_ = false;
    grid_->SetCol(1);
  }
}

void CCellEditors::ShowMessage(CellMessage message) {
  selkan::ShowMessage({owner_, CautionCaption(), TranslatedCellMessage(message),
                       QMessageBox::Warning, QMessageBox::Ok});
}

}  // namespace selkan
