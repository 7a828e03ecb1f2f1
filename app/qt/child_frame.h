#pragma once

#include <QMdiSubWindow>
#include <memory>

#include "model/selkan_doc.h"

namespace selkan {

class CSelkanView;
struct ViewContext;

// A document window: owns its document and the channel view of it. Closing
// it only hides it; the document and its edits stay until the program ends
// or New replaces it.
class CChildFrame : public QMdiSubWindow {
  Q_OBJECT
 public:
  // hasFile: whether the document comes from a file of its own (see HasFile).
  CChildFrame(std::unique_ptr<CSelkanDoc> document, bool hasFile, const ViewContext& context,
              QWidget* parent = nullptr);
  ~CChildFrame() override;

  CSelkanDoc& Document() { return *document_; }
  // nullptr only while the window is being destroyed.
  CSelkanView* View() { return view_; }
  // Whether the document has a file of its own (opened or saved), so that
  // Save writes there without asking.
  bool HasFile() const { return hasFile_; }
  void SetHasFile(bool hasFile) { hasFile_ = hasFile; }

  // Lets the next close request really close the window (at exit, on New).
  void AllowClose() { closeAllowed_ = true; }

 signals:
  // The window was shown or hidden (closed, as far as the user sees).
  void visibilityChanged();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  std::unique_ptr<CSelkanDoc> document_;
  CSelkanView* view_ = nullptr;
  bool hasFile_;
  bool closeAllowed_ = false;
};

}  // namespace selkan
