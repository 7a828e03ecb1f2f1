// The main frame's printing commands: Print, Print Preview, Print Setup and
// Export PDF of the active document's listing.
#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "app/qt/child_frame.h"
#include "app/qt/command_ids.h"
#include "app/qt/file_prompt.h"
#include "app/qt/main_frame.h"
#include "editor/qt/selkan_view.h"
#include "platform/qt/file_error_text.h"
#include "platform/qt/message_box.h"
#include "platform/qt/profile_text.h"
#include "print/qt/listing_output.h"
#include "settings/process_settings.h"

namespace selkan {

namespace {

// The listing of a document window: the options of its image, the channels
// as its grid shows them (a value still being typed is committed first).
Listing ListingOf(CChildFrame& child, const ProcessSettings& settings) {
  child.View()->CommitOpenEditor();
  return MakeListing(
      child.Document().Image(), child.View()->GridTexts(), settings.language(),
      ProfileText(settings.ProductText("Copyrights Owner"), settings.ProfileEncoding())
          .toStdString());
}

}  // namespace

void CMainFrame::ConnectPrintCommands() {
  using namespace command;
  connect(Action(kFilePrint), &QAction::triggered, this, [this] { OnFilePrint(true); });
  connect(Action(kFilePrintDirect), &QAction::triggered, this, [this] { OnFilePrint(false); });
  connect(Action(kFilePrintPreview), &QAction::triggered, this, &CMainFrame::OnFilePrintPreview);
  connect(Action(kFilePrintSetup), &QAction::triggered, this, &CMainFrame::OnFilePrintSetup);
  connect(Action(kExportPdf), &QAction::triggered, this, &CMainFrame::OnExportPdf);
}

QPrinter& CMainFrame::Printer() {
  if (!printer_) {
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    // The margins of a printer's unprintable edge, on its paper, so that
    // the printout, Export PDF and selkan-cli print give the same pages (a
    // printer that needs more keeps its own).
    printer_->setPageLayout(DefaultPdfLayout(printer_->pageLayout().pageSize()));
  }
  return *printer_;
}

void CMainFrame::OnFilePrint(bool askFirst) {
  CChildFrame* child = ActiveChild();
  if (!child) return;
  const Listing listing = ListingOf(*child, settings_);
  QPrinter& printer = Printer();
  printer.setDocName(QString::fromStdString(child->Document().Title()));
  printer.setPrintRange(QPrinter::AllPages);
  if (askFirst) {
    QPrintDialog dialog(&printer, this);
    dialog.setMinMax(1, ListingPageCount(PaginateChannels(listing.channels)));
    if (dialog.exec() != QDialog::Accepted) return;
  }
  if (!PrintListing(printer, listing)) {
    ShowMessage({this, messageCaption_, tr("The listing could not be printed."),
                 QMessageBox::Warning, QMessageBox::Ok});
  }
}

void CMainFrame::OnFilePrintPreview() {
  CChildFrame* child = ActiveChild();
  if (!child) return;
  const Listing listing = ListingOf(*child, settings_);
  QPrinter& printer = Printer();
  printer.setDocName(QString::fromStdString(child->Document().Title()));
  printer.setPrintRange(QPrinter::AllPages);
  QPrintPreviewDialog dialog(&printer, this);
  dialog.setObjectName(QStringLiteral("printPreview"));
  dialog.resize(size());  // the pages need room: as large as the main window
  connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
          [&listing](QPrinter* target) { PrintListing(*target, listing); });
  dialog.exec();
}

void CMainFrame::OnFilePrintSetup() {
  QPageSetupDialog dialog(&Printer(), this);
  dialog.exec();
}

void CMainFrame::OnExportPdf() {
  CChildFrame* child = ActiveChild();
  if (!child) return;
  const Listing listing = ListingOf(*child, settings_);
  const QString title = QString::fromStdString(child->Document().Title());
  // Offered: the document's name with .pdf in place of its extension, in the
  // folder of the last listing, else in the document's own.
  const QFileInfo document(QString::fromStdString(child->Document().PathName()));
  const auto path =
      AskFilePath({.parent = this,
                   .kind = FilePromptKind::ExportPdf,
                   .caption = tr("Export PDF"),
                   .proposedPath = document.completeBaseName() + QStringLiteral(".pdf"),
                   .files = FileKind::Listing,
                   .folders = &folders_,
                   .startFolder = child->HasFile() ? document.absolutePath() : QString()});
  if (!path) return;
  FileError error;
  if (!SaveListingPdf(path->toStdString(), listing, Printer().pageLayout(), title, &error)) {
    const QString text = WithSystemError(
        tr("Cannot save the file %1.").arg(QDir::toNativeSeparators(*path)), error.code);
    ShowMessage({this, messageCaption_, text, QMessageBox::Warning, QMessageBox::Ok});
  }
}

}  // namespace selkan
