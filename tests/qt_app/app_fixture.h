#pragma once

// Shared by the shell tests: a temporary program directory holding a copy of
// what the build puts beside the program, start-up of the application on it,
// and answers to message boxes and file choosers.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <memory>
#include <vector>

#include "settings/profile_store.h"
#include "app/qt/child_frame.h"
#include "app/qt/file_prompt.h"
#include "app/qt/main_frame.h"
#include "app/qt/selkan_app.h"
#include "editor/qt/selkan_view.h"
#include "platform/qt/message_box.h"
#include "platform/registry.h"

namespace selkan::test {

// A program directory with Selkan.ini (its language set as asked), both
// catalogs, the icon, the background and the help pages.
class ProgramDir {
 public:
  explicit ProgramDir(const QString& language = QStringLiteral("English")) {
    const QDir bin(QStringLiteral(SELKAN_BIN_DIR));
    for (const QString& name :
         QStringList{"Selkan.ini", "EnglishQ47.qm", "ChineseQ47.qm", "title.ico", "background.bmp"})
      QFile::copy(bin.filePath(name), Path(name));
    for (const QString& help : QStringList{"enHelp", "chHelp"}) {
      QDir().mkpath(Path(help));
      for (const QString& page : QDir(bin.filePath(help)).entryList(QDir::Files))
        QFile::copy(bin.filePath(help + "/" + page), Path(help + "/" + page));
    }
    SetLanguage(language);
  }

  QString Path(const QString& name) const { return dir_.filePath(name); }
  bool Remove(const QString& name) const { return QFile::remove(Path(name)); }

  // Rewrites the "Language=" line of Selkan.ini.
  void SetLanguage(const QString& language) const {
    QFile file(Path("Selkan.ini"));
    file.open(QIODevice::ReadOnly);
    QString text = QString::fromUtf8(file.readAll());
    file.close();
    QStringList lines = text.split('\n');
    for (QString& line : lines)
      if (line.startsWith("Language=")) line = "Language=" + language;
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(lines.join('\n').toUtf8());
  }

  void WriteFile(const QString& name, const QByteArray& bytes) const {
    QFile file(Path(name));
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(bytes);
  }
  QByteArray ReadFile(const QString& name) const {
    QFile file(Path(name));
    file.open(QIODevice::ReadOnly);
    return file.readAll();
  }

 private:
  QTemporaryDir dir_;
};

// Answers message boxes from a queue (OK when it runs dry) and keeps what
// was asked; answers file choosers likewise.
class Answers {
 public:
  Answers() {
    SetMessageHandler([this](const MessageRequest& request) {
      messages.push_back(request);
      if (buttons.empty()) return QMessageBox::Ok;
      const auto answer = buttons.front();
      buttons.pop_front();
      return answer;
    });
    SetFilePromptHandler([this](const FilePromptRequest& request) -> std::optional<QString> {
      prompts.push_back(request);
      if (paths.empty()) return std::nullopt;
      const QString path = paths.front();
      paths.pop_front();
      if (path.isEmpty()) return std::nullopt;
      return path;
    });
  }
  ~Answers() {
    SetMessageHandler({});
    SetFilePromptHandler({});
  }
  Answers(const Answers&) = delete;
  Answers& operator=(const Answers&) = delete;

  std::deque<QMessageBox::StandardButton> buttons;
  std::deque<QString> paths;  // an empty path cancels the chooser
  std::vector<MessageRequest> messages;
  std::vector<FilePromptRequest> prompts;
};

// Start-up on a program directory, with an in-memory registry.
struct StartedApp {
  explicit StartedApp(const ProgramDir& dir, const QStringList& arguments = {},
                      std::unique_ptr<Registry> registry = std::make_unique<MemoryRegistry>()) {
    SetProgramDirectory(dir.Path("").toStdString());
    registryPtr = registry.get();
    app.SetRegistry(std::move(registry));
    started = app.InitInstance(arguments);
  }
  ~StartedApp() {
    app.ExitInstance();
    SetProgramDirectory("");
  }
  CSelkanApp app;
  Registry* registryPtr = nullptr;
  bool started = false;
};

// The program started on a fresh program directory, with its first document.
struct Program {
  explicit Program(const QString& language = QStringLiteral("English"))
      : dir(language), started(dir), frame(started.app.MainFrame()) {
    child = frame != nullptr ? frame->ActiveChild() : nullptr;
    view = child != nullptr ? child->View() : nullptr;
  }
  ProgramDir dir;
  Answers answers;
  StartedApp started;
  CMainFrame* frame = nullptr;
  CChildFrame* child = nullptr;
  CSelkanView* view = nullptr;
};

}  // namespace selkan::test
