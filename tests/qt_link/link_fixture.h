#pragma once

// Shared by the link tests: the virtual radio in a process of its own on a
// pseudo-terminal reached through a symbolic link, with its frame log.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include "model/radio_image.h"

namespace selkan::test {

class VirtualRadioProcess {
 public:
  // Starts selkan-sim on a copy of image with the given fault options; the
  // port is Link() once Started().
  VirtualRadioProcess(const RadioImage& image, const QStringList& faults = {}) {
    SaveDatFile(ImagePath().toStdString(), image);
    QStringList args{"--image", ImagePath(), "--link", Link(), "--log", LogPath()};
    args += faults;
    process_.setProcessChannelMode(QProcess::SeparateChannels);
    process_.start(QStringLiteral(SELKAN_BIN_DIR "/selkan-sim"), args);
    // The device line comes once the pty is ready.
    if (process_.waitForStarted(10000)) {
      while (!process_.canReadLine() && process_.waitForReadyRead(10000)) {
      }
      started_ = process_.canReadLine();
    }
  }
  ~VirtualRadioProcess() {
    process_.terminate();
    if (!process_.waitForFinished(5000)) {
      process_.kill();
      process_.waitForFinished(5000);
    }
  }
  VirtualRadioProcess(const VirtualRadioProcess&) = delete;
  VirtualRadioProcess& operator=(const VirtualRadioProcess&) = delete;

  bool Started() const { return started_; }
  QString Link() const { return dir_.filePath("radio-port"); }
  QString ImagePath() const { return dir_.filePath("radio.dat"); }
  QString LogPath() const { return dir_.filePath("sim.log"); }

  QStringList LogLines() const {
    QFile file(LogPath());
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromLatin1(file.readAll()).split('\n', Qt::SkipEmptyParts);
  }
  // Frames the radio received that begin with the byte given in hex ("52").
  int ReceivedFrames(const QString& firstByte) const {
    int count = 0;
    for (const QString& line : LogLines()) {
      const QStringList parts = line.simplified().split(' ');
      if (parts.size() >= 3 && parts[1] == "rx" && parts[2] == firstByte) ++count;
    }
    return count;
  }
  int ReceivedFramesAll() const {
    int count = 0;
    for (const QString& line : LogLines())
      if (line.simplified().split(' ').value(1) == "rx") ++count;
    return count;
  }
  bool Saved() const {
    for (const QString& line : LogLines())
      if (line.contains("saved")) return true;
    return false;
  }
  RadioImage Memory() const { return LoadDatFile(ImagePath().toStdString()).image; }

 private:
  QTemporaryDir dir_;
  QProcess process_;
  bool started_ = false;
};

}  // namespace selkan::test
