#include "navbar/qt/navigator_tree.h"

#include <QCursor>
#include <QHeaderView>
#include <QPainter>
#include <QTimer>

#include "navbar/tree_branches.h"
#include "platform/qt/profile_text.h"

namespace selkan {

CNavigatorTree::CNavigatorTree(QWidget* parent) : QTreeWidget(parent) {
  setObjectName(QStringLiteral("navigatorTree"));
  setProperty("controlId", kControlId);
  setHeaderHidden(true);
  setColumnCount(1);
  setRootIsDecorated(true);
  // Items keep their whole text; a narrow bar scrolls to them.
  setTextElideMode(Qt::ElideNone);
  header()->setStretchLastSection(false);
  header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setSelectionMode(QAbstractItemView::SingleSelection);
  connect(this, &QTreeWidget::currentItemChanged, this, &CNavigatorTree::OnCurrentItemChanged);
}

void CNavigatorTree::Fill(const QString& rootText, Language language) {
  language_ = language;
  clear();
  auto* root = new QTreeWidgetItem(this, QStringList(rootText));
  for (const NavigatorItem& item : kNavigatorItems)
    new QTreeWidgetItem(root, QStringList(Utf8Text(item.text.In(language))));
  root->setExpanded(true);
  // With the root current from the start, the first focus on the tree does
  // not make an item current on its own.
  SelectRoot();
}

namespace {

TreeRowPlace PlaceOf(const QModelIndex& index) {
  const auto followed = [](const QModelIndex& i) {
    return i.row() + 1 < i.model()->rowCount(i.parent());
  };
  TreeRowPlace place;
  place.hasParent = index.parent().isValid();
  place.hasPreviousSibling = index.row() > 0;
  place.hasNextSibling = followed(index);
  for (QModelIndex a = index.parent(); a.isValid(); a = a.parent())
    place.ancestorsFollowed.insert(place.ancestorsFollowed.begin(), followed(a));
  return place;
}

}  // namespace

// Dotted lines in the indentation, one column per level, and a boxed plus
// or minus on a row with children.
void CNavigatorTree::drawBranches(QPainter* painter, const QRect& rect,
                                  const QModelIndex& index) const {
  const std::vector<BranchLines> columns = TreeBranchLines(PlaceOf(index));
  const int step = indentation();
  const int middleY = rect.top() + rect.height() / 2;
  painter->save();
  QPen dotted(palette().color(QPalette::Dark));
  dotted.setStyle(Qt::DotLine);
  painter->setPen(dotted);
  int left = rect.right() + 1 - step * static_cast<int>(columns.size());
  for (const BranchLines& lines : columns) {
    const int middleX = left + step / 2;
    if (lines.up) painter->drawLine(middleX, rect.top(), middleX, middleY);
    if (lines.down) painter->drawLine(middleX, middleY, middleX, rect.bottom());
    if (lines.across) painter->drawLine(middleX, middleY, left + step - 2, middleY);
    left += step;
  }
  if (model()->hasChildren(index)) {
    const int middleX = rect.right() + 1 - step / 2;
    const QRect box(middleX - 4, middleY - 4, 8, 8);
    painter->setPen(palette().color(QPalette::Dark));
    painter->fillRect(box, palette().color(QPalette::Base));
    painter->drawRect(box);
    painter->setPen(palette().color(QPalette::Text));
    painter->drawLine(middleX - 2, middleY, middleX + 2, middleY);
    if (!isExpanded(index)) painter->drawLine(middleX, middleY - 2, middleX, middleY + 2);
  }
  painter->restore();
}

void CNavigatorTree::SelectRoot() {
  selectingRoot_ = true;
  setCurrentItem(Root());
  selectingRoot_ = false;
}

// The item acted on is the one under the mouse pointer, whatever moved the
// selection; it is decided now and acted on once the event that changed the
// selection has been handled, since an editor may be a modal dialog.
void CNavigatorTree::OnCurrentItemChanged() {
  if (selectingRoot_) return;  // our own move back to the root
  const QTreeWidgetItem* item = itemAt(viewport()->mapFromGlobal(QCursor::pos()));
  const NavigatorEditor editor = item != nullptr
                                     ? NavigatorEditorOf(item->text(0).toStdString(), language_)
                                     : NavigatorEditor::None;
  QTimer::singleShot(0, this, [this, editor] {
    if (editor != NavigatorEditor::None) emit editorChosen(editor);
    SelectRoot();
  });
}

}  // namespace selkan
