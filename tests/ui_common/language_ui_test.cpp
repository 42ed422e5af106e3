// The program in each translated language: every window walked once in English and once in the
// language, text by text. A text a person reads that stays English, or a label narrower than its
// text, fails; the files written in the language equal those written in English byte for byte.
#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSettings>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>
#include <algorithm>

#include "report/report_dialog.h"
#include "shell/frmAbout.h"
#include "tests/app/running_program.h"
#include "ui_common/language.h"

namespace quendal {
namespace {

using test::FileBytes;

struct Shown {
  QString where;  // object name and kind, to say which text failed
  QString text;
  bool too_narrow = false;  // a label of one line narrower than its text
};

// What a person reads in a widget and the windows, menus, tables and trees under it.
void Collect(QWidget* root, std::vector<Shown>& out) {
  const auto add = [&out](const QObject* at, const char* kind, const QString& text) {
    if (!text.isEmpty()) out.push_back({at->objectName() + QLatin1Char(':') + kind, text});
  };
  QList<QWidget*> widgets = root->findChildren<QWidget*>();
  widgets.prepend(root);
  for (QWidget* w : widgets) {
    if (!w->isVisibleTo(w->window()) || !w->window()->isVisible()) continue;
    if (w->isWindow()) add(w, "title", w->windowTitle());
    if (auto* label = qobject_cast<QLabel*>(w)) {
      add(w, "label", label->text());
      QString line = label->text();
      if (label->buddy()) line.remove(QRegularExpression(QStringLiteral("&(?!&)")));
      if (!out.empty() && out.back().text == label->text() && !label->wordWrap() &&
          !line.contains('\n'))
        out.back().too_narrow =
            label->fontMetrics().horizontalAdvance(line) > label->contentsRect().width() + 1;
    }
    if (auto* button = qobject_cast<QAbstractButton*>(w)) add(w, "button", button->text());
    if (auto* box = qobject_cast<QGroupBox*>(w)) add(w, "frame", box->title());
    if (auto* tabs = qobject_cast<QTabWidget*>(w))
      for (int i = 0; i < tabs->count(); ++i) add(w, "tab", tabs->tabText(i));
    if (auto* table = qobject_cast<QTableWidget*>(w)) {
      for (int c = 0; c < table->columnCount(); ++c)
        if (auto* item = table->horizontalHeaderItem(c)) add(w, "header", item->text());
      for (int r = 0; r < table->rowCount(); ++r) {
        if (auto* item = table->verticalHeaderItem(r)) add(w, "row", item->text());
        for (int c = 0; c < table->columnCount(); ++c)
          if (auto* item = table->item(r, c)) add(w, "cell", item->text());
      }
    }
    if (auto* tree = qobject_cast<QTreeWidget*>(w)) {
      for (int c = 0; c < tree->columnCount(); ++c) add(w, "header", tree->headerItem()->text(c));
      for (QTreeWidgetItemIterator it(tree); *it; ++it) add(w, "item", (*it)->text(0));
    }
    if (auto* bar = qobject_cast<QMenuBar*>(w)) {
      std::vector<QMenu*> menus;
      for (QAction* action : bar->actions())
        if (action->menu()) menus.push_back(action->menu());
      for (std::size_t i = 0; i < menus.size(); ++i) {
        add(menus[i], "menu", menus[i]->title());
        for (QAction* action : menus[i]->actions()) {
          if (action->menu()) menus.push_back(action->menu());
          // The language items name each language in its own script, whatever the windows show.
          else if (!action->objectName().startsWith(QLatin1String("mnuLanguage_")))
            add(action, "item", action->text());
        }
      }
    }
  }
}

// Texts that read the same in every language: the birth's own data, numbers, dates, the
// program's name and version, and the credits' proper names.
bool SameInEveryLanguage(const QString& english, const QStringList& data) {
  static const QRegularExpression kept(
      QStringLiteral("Quendal|GeoNames|geonames\\.org|Swiss Ephemeris|Astrodienst AG|AGPL|CC BY|"
                     "PDF|D\\d+|kdl|pdf"));
  QString rest = english;
  rest.remove(kept);
  for (const QString& datum : data) rest.remove(datum);
  return !rest.contains(QRegularExpression(QStringLiteral("[A-Za-z]{2,}")));
}

class InLanguage : public test::RunningProgram, public ::testing::WithParamInterface<const char*> {
 protected:
  void TearDown() override {
    RunningProgram::TearDown();
    InstallLanguage(QStringLiteral("en"));
  }

  // Casts the golden chart, opens every window of the chart, writes the reading and the
  // export into folder, and returns what the windows show.
  std::vector<Shown> WalkAndSave(const QString& folder) {
    CastChart(Birth());
    Menu("mnuSidereal");  // the panchang and the dasha balance show beside the chart
    answers_ = {folder + "/chart.kdl", folder + "/chart.txt", folder + "/chart.kdl"};
    Menu("mnuSaveAsText");
    Menu("mnuExport");
    Menu("mnuMatch");
    for (const char* window : {"mnuDasha", "mnuVargas", "mnuTransits"}) Menu(window);
    std::vector<Shown> shown;
    Collect(Window(), shown);
    frmAbout about;
    about.show();
    Collect(&about, shown);
    ReportDialog report(StoredReportChoice());
    report.show();
    Collect(&report, shown);
    Back();
    Collect(form_, shown);
    // The form brings one of its two brand labels to the front at random at each start,
    // which reorders its children; pair the texts by where they are shown instead.
    std::stable_sort(shown.begin(), shown.end(),
                     [](const Shown& a, const Shown& b) { return a.where < b.where; });
    return shown;
  }

  static const QJsonObject& Birth() { return test::GoldenChartById(120).input; }
  static QStringList BirthData() {
    QStringList data;
    for (const char* key : {"PersonName", "BirthCity", "BirthState", "BirthCountry"})
      data << Birth()[QLatin1String(key)].toString();
    return data;
  }

  // Restarts the program in the language.
  void Restart(const QString& code) {
    RunningProgram::TearDown();
    ASSERT_TRUE(InstallLanguage(code));
    RunningProgram::SetUp();
  }
};

TEST_P(InLanguage, EveryWindowReadsInTheLanguageAndWritesTheSameFiles) {
  QDir(dir_.path()).mkdir("en");
  QDir(dir_.path()).mkdir("translated");
  const std::vector<Shown> english = WalkAndSave(dir_.filePath("en"));
  Restart(QString::fromLatin1(GetParam()));
  const std::vector<Shown> translated = WalkAndSave(dir_.filePath("translated"));

  ASSERT_EQ(translated.size(), english.size());
  int untranslated = 0;
  for (std::size_t i = 0; i < english.size(); ++i) {
    ASSERT_EQ(translated[i].where, english[i].where) << i;
    // No translated label is wider than the label, as the crowded-house test asks of house
    // cells. Where the English text already overflows (the status bar of a long name), the
    // layout is the design's, not the translation's.
    EXPECT_FALSE(translated[i].too_narrow && !english[i].too_narrow &&
                 translated[i].text != english[i].text)
        << translated[i].where.toStdString() << " \"" << translated[i].text.toStdString() << "\"";
    if (translated[i].text != english[i].text || SameInEveryLanguage(english[i].text, BirthData()))
      continue;
    ADD_FAILURE() << "in English: " << english[i].where.toStdString() << " \""
                  << english[i].text.toStdString() << "\"";
    ++untranslated;
  }
  EXPECT_EQ(untranslated, 0);

  for (const char* file : {"chart.kdl", "chart.txt"}) {
    EXPECT_EQ(FileBytes(dir_.filePath(QStringLiteral("translated/") + file)),
              FileBytes(dir_.filePath(QStringLiteral("en/") + file)))
        << file;
  }
}

INSTANTIATE_TEST_SUITE_P(Languages, InLanguage, ::testing::Values("hi", "ta"));

class LanguageMenu : public test::RunningProgram {};

// The choice is kept for the next start and said in one line; the chart stays as it is.
TEST_F(LanguageMenu, KeepsTheChoiceForTheNextStartAndTheChartOnScreen) {
  CastChart(test::GoldenChartById(120).input);
  frmDisplay* display = Display();
  const QString cells = display->findChild<QLabel*>(QStringLiteral("lblNatal_0"))->text();
  Menu("mnuLanguage_ta");
  EXPECT_EQ(QSettings().value(kLanguageSetting).toString(), "ta");
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0].text, "The new language shows when Quendal starts again.");
  EXPECT_TRUE(Window()->isVisible());
  EXPECT_EQ(Display(), display);
  EXPECT_EQ(display->findChild<QLabel*>(QStringLiteral("lblNatal_0"))->text(), cells);
  EXPECT_TRUE(Window()->findChild<QAction*>(QStringLiteral("mnuLanguage_ta"))->isChecked());
  Menu("mnuLanguage_en");  // back to the language on screen: nothing to say
  EXPECT_EQ(messages_.size(), 1u);
  EXPECT_EQ(QSettings().value(kLanguageSetting).toString(), "en");
  EXPECT_NE(form_->findChild<QMenu*>(QStringLiteral("mnuLanguage")), nullptr);
}

TEST(ChooseLanguage, TheCommandLineThenTheSavedChoiceThenTheSystem) {
  struct Case {
    std::optional<QString> argument;
    const char* saved;
    const char* system;
    const char* chosen;
  };
  const Case cases[] = {
      {std::nullopt, "", "en_US", "en"},           {std::nullopt, "", "hi_IN", "hi"},
      {std::nullopt, "", "ta_LK", "ta"},           {std::nullopt, "", "te_IN", "en"},
      {std::nullopt, "ta", "hi_IN", "ta"},         {QStringLiteral("en"), "ta", "hi_IN", "en"},
      {QStringLiteral("xx"), "ta", "hi_IN", "ta"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ChooseLanguage(c.argument, QLatin1String(c.saved), QLocale(QLatin1String(c.system))),
              QLatin1String(c.chosen))
        << c.system;
  }
  EXPECT_EQ(LanguageArgument({"quendal", "--language", "hi"}), "hi");
  EXPECT_EQ(LanguageArgument({"quendal", "--language=ta"}), "ta");
  EXPECT_EQ(LanguageArgument({"quendal", "-platform", "offscreen"}), std::nullopt);
}

}  // namespace
}  // namespace quendal
