// Marks an English text of the core that the windows show in the chosen language. It stays the
// English text here (the core has no translations); lupdate reads the mark as QT_TRANSLATE_NOOP,
// and the windows look the text up in the context named first.
#pragma once

#define QUENDAL_TRANSLATABLE(context, text) text
