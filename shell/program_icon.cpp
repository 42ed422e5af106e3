#include "shell/program_icon.h"

namespace quendal {

QIcon ProgramIcon() { return QIcon(QStringLiteral(":/quendal_icon.svg")); }

}  // namespace quendal
