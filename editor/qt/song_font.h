#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

namespace selkan {

// The first Song-style (serif) Chinese family among the installed ones, in
// order of preference: the Windows "SimSun" (also known as "宋体"), then
// common free equivalents. Empty when none is installed.
QString PickSongFamily(const QStringList& installedFamilies);

// The view's title font: 12 point, the Song-style family when present,
// otherwise the application's default family.
QFont TitleFont();

}  // namespace selkan
