#include "navbar/qt/navigator_tree.h"

#include <QCursor>
#include <QHeaderView>
#include <QTimer>

#include "platform/qt/profile_text.h"

namespace selkan {

CNavigatorTree::CNavigatorTree(QWidget* parent) : QTreeWidget(parent) {
  setObjectName(QStringLiteral("navigatorTree"));
  setProperty("controlId", kControlId);
  setHeaderHidden(true);
  setColumnCount(1);
  setRootIsDecorated(true);
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
