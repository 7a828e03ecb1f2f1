#include "app/qt/child_frame.h"

#include <QCloseEvent>
#include <QMenu>

#include "app/qt/mdi_client_wnd.h"
#include "editor/qt/selkan_view.h"

namespace selkan {

CChildFrame::CChildFrame(std::unique_ptr<CSelkanDoc> document, bool hasFile,
                         const ViewContext& context, QWidget* parent)
    : QMdiSubWindow(parent), document_(std::move(document)), hasFile_(hasFile) {
  setAttribute(Qt::WA_DeleteOnClose);
  view_ = new CSelkanView(*document_, context, this);
  setWidget(view_);
  setWindowTitle(QString::fromStdString(document_->Title()));
  // The window's own menu binds the platform's Close key, which is Ctrl+W
  // on Linux: it would make the program's Write key ambiguous, so that
  // neither works. File Close and the close box remain.
  if (QMenu* menu = systemMenu()) {
    for (QAction* action : menu->actions()) action->setShortcut(QKeySequence());
  }
}

CChildFrame::~CChildFrame() {
  // Hiding on the way out is no news, and the view is not to be asked for
  // while it goes.
  disconnect(this, &CChildFrame::visibilityChanged, nullptr, nullptr);
  view_ = nullptr;
  // The view refers to the document: let it go first.
  delete widget();
}

void CChildFrame::closeEvent(QCloseEvent* event) {
  if (closeAllowed_) {
    QMdiSubWindow::closeEvent(event);
    return;
  }
  event->ignore();
  hide();
  if (auto* area = qobject_cast<CMDIClientWnd*>(mdiArea())) area->UpdateScrollRange();
}

void CChildFrame::showEvent(QShowEvent* event) {
  QMdiSubWindow::showEvent(event);
  emit visibilityChanged();
}

void CChildFrame::hideEvent(QHideEvent* event) {
  QMdiSubWindow::hideEvent(event);
  emit visibilityChanged();
}

}  // namespace selkan
