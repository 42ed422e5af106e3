// Quendal: casts a natal chart from a birth entered in the birth-data form.
#include <QApplication>
#include <QSettings>
#include <QTimer>
#include <csignal>
#include <cstdio>
#include <iostream>

#include "app/quendal_application.h"
#include "app/single_instance.h"
#include "birth/command_line.h"
#include "birth/frmMain.h"
#include "shell/program_icon.h"
#include "ui_common/language.h"
#include "ui_common/language_fonts.h"
#include "ui_common/layout.h"
#include "ui_common/message_box.h"
#include "ui_common/translated_text.h"

namespace {

// The program takes no options but --help, --version (command_line.h) and --language. Three
// environment variables exist for tests and timing only: QUENDAL_LOCK_DIR puts the single-instance
// lock in a private folder; QUENDAL_MESSAGES_TO_STDERR=1 writes message boxes to stderr and answers
// them (OK, or No); QUENDAL_EXIT_WHEN_SHOWN=1 ends the program as soon as the form has been
// painted.
constexpr int kAlreadyRunningExitCode = 3;

void InstallStderrMessages() {
  quendal::SetMessageHandler([](const quendal::MessageRequest& request) {
    std::fprintf(stderr, "quendal: message: %s\n", qUtf8Printable(request.text));
    std::fflush(stderr);
    return request.buttons == quendal::MessageButtons::YesNo ? quendal::MessageAnswer::No
                                                             : quendal::MessageAnswer::Ok;
  });
}

// Start-up timing: the program counts as started when the form has been painted once.
class ExitOnFirstPaint : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      watched->removeEventFilter(this);
      QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    }
    return false;
  }
};

}  // namespace

int main(int argc, char** argv) {
  // Before QApplication, so both answer on a machine without a display.
  if (const auto status = quendal::AnswerCommandLine(argc, argv, std::cout)) return *status;
  // A save into a pipe whose reader has gone must fail as a write with its message, not end
  // the program and lose the chart on screen.
  std::signal(SIGPIPE, SIG_IGN);
  QApplication app(argc, argv);
  QApplication::setOrganizationName(QStringLiteral("Quendal"));
  QApplication::setApplicationName(QStringLiteral("Quendal"));
  const auto language_argument = quendal::LanguageArgument(QCoreApplication::arguments());
  if (language_argument && !quendal::FindLanguage(*language_argument)) {
    std::fprintf(stderr, "quendal: unknown language \"%s\" (hi, ta or en)\n",
                 qUtf8Printable(*language_argument));
    return 2;
  }
  const QString language = quendal::ChooseLanguage(
      language_argument, QSettings().value(quendal::kLanguageSetting).toString(),
      QLocale::system());
  const QString missing_font = quendal::MissingFontMessage(language);
  if (missing_font.isEmpty()) quendal::InstallLanguage(language);
  QApplication::setWindowIcon(quendal::ProgramIcon());
  // The windows' own font for menus and dialogs too: one face and size fewer to load before
  // the form can show, and one look across the program.
  QApplication::setFont(quendal::VerdanaFont(8.25));
  // Only UnloadAllAndEnd ends the program: the form is hidden, not closed, while a chart shows.
  QApplication::setQuitOnLastWindowClosed(false);
  if (qEnvironmentVariableIntValue("QUENDAL_MESSAGES_TO_STDERR") == 1) InstallStderrMessages();
  if (!missing_font.isEmpty())
    quendal::ShowMessage(nullptr, missing_font, quendal::MessageIcon::Information);

  quendal::SingleInstanceGuard guard(qEnvironmentVariable("QUENDAL_LOCK_DIR"));
  if (!guard.Acquire()) {
    quendal::ShowMessage(nullptr, quendal::TrText("Messages", "Application is already running"),
                         quendal::MessageIcon::Information);
    return kAlreadyRunningExitCode;
  }

  quendal::QuendalApplication quendal;
  ExitOnFirstPaint exit_on_first_paint;
  if (qEnvironmentVariableIntValue("QUENDAL_EXIT_WHEN_SHOWN") == 1) {
    quendal.Form()->installEventFilter(&exit_on_first_paint);
  }
  quendal.Start();
  return app.exec();
}
