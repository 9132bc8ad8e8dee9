#pragma once

#include <QString>

namespace programfiles {

// A file that ships with the program: beside the executable in a build tree, else in the installed
// data folder (../share/cuescroll), else the place beside the executable where it would be.
QString locate(const QString &name);

} // namespace programfiles
