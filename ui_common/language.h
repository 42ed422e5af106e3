// The languages of the windows, which one a run uses, and installing its translations. English
// is the program's own text: choosing it installs nothing.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <optional>
#include <span>

class QSettings;

namespace quendal {

struct Language {
  const char* code;         // "hi": the .qm file is quendal_<code>.qm
  const char* native_name;  // the menu entry, in its own script
  const char* font_family;  // the face its script needs; empty for Latin
};

// English first; a new language adds a row here and its .ts file.
std::span<const Language> Languages();
const Language* FindLanguage(const QString& code);

inline const QString kLanguageSetting = QStringLiteral("Language");

// --language CODE or --language=CODE: the code given (perhaps unknown), or nothing.
std::optional<QString> LanguageArgument(const QStringList& arguments);

// The language of this run: the command line's, else the saved choice, else the system's when
// the program has it, else English.
QString ChooseLanguage(const std::optional<QString>& argument, const QString& saved,
                       const QLocale& system);

// Installs the translations of code (the program's and Qt's own where the system has them) and
// the locale that names months. False when the program's translation was not found.
bool InstallLanguage(const QString& code);

// The code installed last; "en" before any.
QString CurrentLanguage();

// The face of the installed language's script, for fonts to fall back on; empty for English.
QString ScriptFontFamily();

// The locale of the installed language: the system's for English, so months read as before.
QLocale LanguageLocale();

}  // namespace quendal
