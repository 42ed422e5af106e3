// The icon of a message to the person: chosen by the rules of the core, shown by the windows.
#pragma once

namespace quendal {

enum class MessageIcon { Stop, Information, Critical, Question };

}  // namespace quendal
