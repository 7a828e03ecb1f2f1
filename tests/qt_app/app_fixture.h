#pragma once

// The program started on a temporary program directory, and answers to its
// message boxes, choosers and dialogs (the shell and link tests).

#include <QApplication>
#include <QDialog>
#include <QtTest>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include "app/qt/child_frame.h"
#include "app/qt/file_prompt.h"
#include "app/qt/help_window.h"
#include "app/qt/main_frame.h"
#include "app/qt/selkan_app.h"
#include "editor/qt/ms_flex_grid.h"
#include "editor/qt/selkan_view.h"
#include "model/radio_image.h"
#include "platform/qt/help_request.h"
#include "platform/qt/message_box.h"
#include "platform/registry.h"
#include "settings/program_directory.h"

namespace selkan::test {

// A program directory with what the build puts beside the program.
class ProgramDir {
 public:
  explicit ProgramDir(const QString& language = QStringLiteral("English")) {
    const QDir bin(QStringLiteral(SELKAN_BIN_DIR));
    for (const char* name : {"Selkan.ini", "EnglishQ47.qm", "ChineseQ47.qm", "title.ico"})
      QFile::copy(bin.filePath(name), Path(name));
    WriteFile("Selkan.ini",  // as built: in English
              ReadFile("Selkan.ini").replace("Language=English", "Language=" + language.toUtf8()));
  }

  QString Path(const QString& name) const { return dir_.filePath(name); }
  bool Remove(const QString& name) const { return QFile::remove(Path(name)); }

  void WriteFile(const QString& name, const QByteArray& bytes) const {
    QFile file(Path(name));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(bytes);
  }
  QByteArray ReadFile(const QString& name) const {
    QFile file(Path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

 private:
  QTemporaryDir dir_;
};

inline QByteArray Bytes(const RadioImage& image) {
  return QByteArray(reinterpret_cast<const char*>(image.data()), static_cast<int>(image.size()));
}

// Whether F1 on the widget asks for a topic (`page`, if given) with a page in both languages' help.
inline bool F1OpensAHelpPage(QWidget* widget, int page = -1) {
  int topic = -1;
  SetHelpHandler([&topic](int id) { topic = id; });
  QTest::keyClick(widget, Qt::Key_F1);
  SetHelpHandler({});
  return (page < 0 || topic == page) && !HelpTopicFile(SELKAN_BIN_DIR, "enHelp", topic).isEmpty() &&
         !HelpTopicFile(SELKAN_BIN_DIR, "chHelp", topic).isEmpty();
}

// Answers message boxes from a queue (OK when it runs dry) and keeps what
// was asked; answers file choosers likewise (an empty path cancels).
class Answers {
 public:
  Answers() {
    SetMessageHandler([this](const MessageRequest& request) {
      messages.push_back(request);
      if (onMessage) onMessage(request);
      return Next(buttons, QMessageBox::Ok);
    });
    SetFilePromptHandler([this](const FilePromptRequest& request) -> std::optional<QString> {
      prompts.push_back(request);
      if (request.chosenFilter != nullptr) {
        offeredFilter = *request.chosenFilter, *request.chosenFilter = Next(filters, offeredFilter);
      }
      const QString path = Next(paths, QString());
      return path.isEmpty() ? std::nullopt : std::optional<QString>(path);
    });
  }
  ~Answers() {
    SetMessageHandler({});
    SetFilePromptHandler({});
  }
  Answers(const Answers&) = delete;
  Answers& operator=(const Answers&) = delete;

  std::deque<QMessageBox::StandardButton> buttons;
  std::function<void(const MessageRequest&)> onMessage;  // runs before the answer
  std::deque<QString> paths;
  std::deque<int> filters;  // the file type chosen, by its index; else the one offered
  int offeredFilter = -1;
  std::vector<MessageRequest> messages;
  std::vector<FilePromptRequest> prompts;

 private:
  template <typename T>
  static T Next(std::deque<T>& queue, T otherwise) {
    if (!queue.empty()) otherwise = queue.front(), queue.pop_front();
    return otherwise;
  }
};

// Acts on the next modal dialog once it is up (the program is then inside
// exec()), however it was opened, while this object lives; keeps its title.
class NextDialog : public QObject {
 public:
  explicit NextDialog(std::function<void(QDialog*)> act) {
    connect(&poll_, &QTimer::timeout, this, [this, act] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (dialog == nullptr) return;
      poll_.stop(), title = dialog->windowTitle(), act(dialog);
    });
    poll_.start(0);
  }
  QString title;

 private:
  QTimer poll_;
};

// Start-up on a program directory, with an in-memory registry unless given one.
struct StartedApp {
  explicit StartedApp(const ProgramDir& dir, const QString& documentFile = {},
                      std::unique_ptr<Registry> registry = std::make_unique<MemoryRegistry>()) {
    SetProgramDirectory(dir.Path("").toStdString()), registryPtr = registry.get();
    app.SetRegistry(std::move(registry)), started = app.InitInstance(documentFile);
  }
  ~StartedApp() { app.ExitInstance(), SetProgramDirectory(""); }
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
  // Writes the bytes as a file of the program's folder and opens it.
  bool Open(const QString& name, const QByteArray& bytes) {
    dir.WriteFile(name, bytes);
    return frame->OpenDocumentFile(dir.Path(name));
  }
  // How many messages were said; the text of one, counted from the first, or the last if negative.
  std::size_t Told() const { return answers.messages.size(); }
  QString Said(int i) const {
    return answers.messages.at(i < 0 ? answers.messages.size() + i : std::size_t(i)).text;
  }

  ProgramDir dir;
  Answers answers;
  StartedApp started;
  CMainFrame* frame = nullptr;
  CChildFrame* child = nullptr;
  CSelkanView* view = nullptr;
};

}  // namespace selkan::test
