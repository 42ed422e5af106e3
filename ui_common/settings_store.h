// The settings store of the desktop (QSettings) seen through the core's codec of kept choices.
#pragma once

#include "chart/stored_choices.h"

class QSettings;

namespace quendal {

// Reads from settings while it lives.
StoredText SettingsText(const QSettings& settings);
void StoreEntries(QSettings& settings, const StoredEntries& entries);

}  // namespace quendal
