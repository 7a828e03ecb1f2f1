#include "app/qt/selkan_app.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

#include "app/qt/about_dlg.h"
#include "app/qt/dialog_font.h"
#include "app/qt/main_frame.h"
#include "platform/qt/help_request.h"
#include "platform/qt/message_box.h"
#include "platform/qt/profile_text.h"
#include "platform/qt/qsettings_registry.h"
#include "settings/process_settings.h"
#include "settings/product_profile.h"
#include "settings/profile_store.h"

// Resources of a static library are registered by name, outside any namespace.
static void InitAppResources() { Q_INIT_RESOURCE(app_resources); }

namespace selkan {

QString FindLanguageCatalog(const QString& programDirectory, const QString& catalogName) {
  const QDir directory(programDirectory);
  for (const QString& entry : directory.entryList(QDir::Files)) {
    if (entry.compare(catalogName, Qt::CaseInsensitive) == 0) return directory.filePath(entry);
  }
  return {};
}

CSelkanApp::CSelkanApp() { InitAppResources(); }

CSelkanApp::~CSelkanApp() { ExitInstance(); }

void CSelkanApp::SetRegistry(std::unique_ptr<Registry> registry) {
  registry_ = std::move(registry);
}

bool CSelkanApp::LoadLanguageCatalog() {
  const ProcessSettings& settings = Settings();
  const QString path = FindLanguageCatalog(QString::fromStdString(ProgramDirectory()),
                                           QString::fromStdString(settings.LanguageCatalogName()));
  auto catalog = std::make_unique<QTranslator>();
  if (path.isEmpty() || !catalog->load(path)) return false;
  if (settings.IsChinese()) {
    // Qt's own texts (file choosers and the like) in Chinese too, when installed.
    auto qtTexts = std::make_unique<QTranslator>();
    if (qtTexts->load(QStringLiteral("qtbase_zh_CN"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
      QCoreApplication::installTranslator(qtTexts.get());
      translators_.push_back(std::move(qtTexts));
    }
  }
  QCoreApplication::installTranslator(catalog.get());
  translators_.push_back(std::move(catalog));
  return true;
}

bool CSelkanApp::InitInstance(const QString& documentFile) {
  // The product profile, and the language it names.
  CProfileStore& profile = ProductProfile();
  OpenProductProfile(profile);
  ProcessSettings& settings = Settings();
  settings.Initialize(profile, ProgramDirectory());

  // The language catalog; without it the program cannot speak.
  if (!LoadLanguageCatalog()) {
    const QString text = settings.IsChinese() ? Utf8Text("加载语言链接库失败")
                                              : QStringLiteral("Load language DLL fail");
    ShowMessage({nullptr, QStringLiteral("Selkan"), text, QMessageBox::Warning, QMessageBox::Ok});
    return false;
  }

  if (!registry_) registry_ = std::make_unique<QSettingsRegistry>();

  // One font for every dialog of the language.
  dialogFonts_ = std::make_unique<CDialogFontFilter>(DialogFont(settings.language()));
  QCoreApplication::instance()->installEventFilter(dialogFonts_.get());

  // Desktops match the window to the menu entry (and its icon) by this name.
  QGuiApplication::setDesktopFileName(QStringLiteral("org.selkan.Selkan"));

  // The main frame, which also answers help requests.
  frame_ = std::make_unique<CMainFrame>(settings, profile, *registry_);
  CMainFrame* frame = frame_.get();
  SetHelpHandler([frame](int contextId) { frame->ShowHelp(contextId); });

  // The file named on the command line, otherwise a new document.
  if (documentFile.isEmpty() ? !frame->NewDocument() : !frame->OpenDocumentFile(documentFile)) {
    ExitInstance();
    return false;
  }

  // Shown maximized. Its windows, dialogs too, show title.ico, or the
  // program's own icon where there is none.
  frame->showMaximized();
  const QIcon icon = LoadTitleIcon(QString::fromStdString(settings.ProgramDirectory()));
  QApplication::setWindowIcon(icon.isNull() ? QIcon(QStringLiteral(":/selkan/icon128.png")) : icon);

  // The product's name for message boxes and its About text.
  frame->SetMessageCaption(
      ProfileText(settings.ProductText("Company"), settings.ProfileEncoding()));
  frame->SetAboutTitle(
      ProfileText(settings.ProductText("About Title"), settings.ProfileEncoding()));
  return true;
}

void CSelkanApp::ExitInstance() {
  SetHelpHandler({});
  frame_.reset();
  for (auto& translator : translators_) QCoreApplication::removeTranslator(translator.get());
  translators_.clear();
}

}  // namespace selkan
