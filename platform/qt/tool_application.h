#pragma once

#include <QCoreApplication>
#include <memory>

namespace selkan {

// What a command-line tool uses of Qt: Core (a serial port), or the GUI side
// too (drawing text), which then runs on the offscreen platform unless
// QT_QPA_PLATFORM names another, so that no display is needed.
enum class ToolQt { kCore, kGui };

// The application object Qt wants, made only when the process has none (a
// test may run commands in its own). The caller ends it with its work, so
// that a later command in the same process can make the kind it needs.
// nullptr when there was one already.
std::unique_ptr<QCoreApplication> ApplicationIfNone(ToolQt kind);

}  // namespace selkan
