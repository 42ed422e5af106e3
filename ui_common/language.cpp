#include "ui_common/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace quendal {
namespace {

constexpr Language kLanguages[] = {
    {"en", "English", ""},
    {"hi", "हिन्दी", "Noto Sans Devanagari"},
    {"ta", "தமிழ்", "Noto Sans Tamil"},
};

struct Installed {
  QString code = QStringLiteral("en");
  QTranslator program;
  QTranslator toolkit;
};

Installed& Current() {
  static Installed installed;
  return installed;
}

// Beside the installed program first, so a corrected translation can be dropped in; else the
// copy compiled into the program.
bool LoadProgramTranslation(QTranslator& translator, const QString& code) {
  const QString file = QStringLiteral("quendal_") + code;
  const QString installed =
      QCoreApplication::applicationDirPath() + QStringLiteral("/../share/quendal/translations");
  return translator.load(file, installed) || translator.load(file, QStringLiteral(":/i18n"));
}

}  // namespace

std::span<const Language> Languages() { return kLanguages; }

const Language* FindLanguage(const QString& code) {
  for (const Language& language : kLanguages)
    if (code == QLatin1String(language.code)) return &language;
  return nullptr;
}

std::optional<QString> LanguageArgument(const QStringList& arguments) {
  const QString option = QStringLiteral("--language");
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    if (arguments[i] == option) return i + 1 < arguments.size() ? arguments[i + 1] : QString();
    if (arguments[i].startsWith(option + QLatin1Char('=')))
      return arguments[i].mid(option.size() + 1);
  }
  return std::nullopt;
}

QString ChooseLanguage(const std::optional<QString>& argument, const QString& saved,
                       const QLocale& system) {
  if (argument && FindLanguage(*argument)) return *argument;
  if (FindLanguage(saved)) return saved;
  const QString system_code = system.name().section(QLatin1Char('_'), 0, 0);
  if (FindLanguage(system_code)) return system_code;
  return QStringLiteral("en");
}

bool InstallLanguage(const QString& code) {
  Installed& current = Current();
  QCoreApplication::removeTranslator(&current.program);
  QCoreApplication::removeTranslator(&current.toolkit);
  current.code = QStringLiteral("en");
  if (code == QLatin1String("en") || !FindLanguage(code)) return code == QLatin1String("en");
  if (!LoadProgramTranslation(current.program, code)) return false;
  QCoreApplication::installTranslator(&current.program);
  // Debian ships Qt's own texts for some languages only; the program's file covers the
  // buttons of its message boxes either way.
  if (current.toolkit.load(QStringLiteral("qtbase_") + code,
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(&current.toolkit);
  current.code = code;
  return true;
}

QString CurrentLanguage() { return Current().code; }

QString ScriptFontFamily() {
  const Language* language = FindLanguage(CurrentLanguage());
  return language ? QString::fromUtf8(language->font_family) : QString();
}

QLocale LanguageLocale() {
  const QString code = CurrentLanguage();
  if (code == QLatin1String("en")) return QLocale::system();
  return QLocale(code + QStringLiteral("_IN"));
}

}  // namespace quendal
