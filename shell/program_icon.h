// The program's icon, for the about box and as the window icon of every window
// (QApplication::setWindowIcon(ProgramIcon()) in main covers them all).
#pragma once

#include <QIcon>

namespace quendal {

QIcon ProgramIcon();

}  // namespace quendal
