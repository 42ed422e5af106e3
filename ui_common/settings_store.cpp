#include "ui_common/settings_store.h"

#include <QSettings>

namespace quendal {

StoredText SettingsText(const QSettings& settings) {
  return [&settings](std::string_view key) -> std::optional<std::string> {
    const QString name = QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
    if (!settings.contains(name)) return std::nullopt;
    return settings.value(name).toString().toStdString();
  };
}

void StoreEntries(QSettings& settings, const StoredEntries& entries) {
  for (const auto& [key, text] : entries)
    settings.setValue(QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size())),
                      QString::fromStdString(text));
}

}  // namespace quendal
