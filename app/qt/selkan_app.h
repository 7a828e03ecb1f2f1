#pragma once

#include <QString>
#include <memory>
#include <vector>

class QTranslator;

namespace selkan {

class CDialogFontFilter;
class CMainFrame;
class Registry;

// The language catalog in the program directory whose name matches
// catalogName without regard to letter case; empty when there is none.
QString FindLanguageCatalog(const QString& programDirectory, const QString& catalogName);

// The application: start-up in a fixed order (profile, language, catalog,
// main frame, first document, window), and the release of it all at exit.
// Start-up does not enter the event loop, so tests drive it directly.
class CSelkanApp {
 public:
  CSelkanApp();
  ~CSelkanApp();
  CSelkanApp(const CSelkanApp&) = delete;
  CSelkanApp& operator=(const CSelkanApp&) = delete;

  // Replaces the per-user registry (tests); call before InitInstance.
  void SetRegistry(std::unique_ptr<Registry> registry);

  // Runs start-up, opening the document file (a new document when it is
  // empty). False when the program has to end; the reason has been shown.
  bool InitInstance(const QString& documentFile);
  // Releases the catalogs and the main frame.
  void ExitInstance();

  CMainFrame* MainFrame() const { return frame_.get(); }

 private:
  bool LoadLanguageCatalog();

  std::unique_ptr<Registry> registry_;
  std::vector<std::unique_ptr<QTranslator>> translators_;
  std::unique_ptr<CDialogFontFilter> dialogFonts_;
  std::unique_ptr<CMainFrame> frame_;
};

}  // namespace selkan
