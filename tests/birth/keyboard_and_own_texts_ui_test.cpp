// A first session at the keyboard: Enter in the birth-data form, and the person's own texts
// (markup, very long names) in the chart window they lead to.
#include <QLabel>
#include <QTextDocumentFragment>

#include "tests/app/running_program.h"

namespace quendal {
namespace {

class KeyboardAndOwnTexts : public test::RunningProgram {
 protected:
  QLabel* Detail(const char* name) { return Display()->findChild<QLabel*>(name); }
};

TEST_F(KeyboardAndOwnTexts, EnterFromAnyFieldOrListCastsTheChart) {
  const struct {
    const char* control;
    Qt::Key key;
  } starts[] = {{"txtName", Qt::Key_Return},    {"txtLatM", Qt::Key_Enter},
                {"txtCountry", Qt::Key_Return}, {"cboTimeZone", Qt::Key_Return},
                {"chkDST", Qt::Key_Enter},      {"optLongEast_0", Qt::Key_Return}};
  for (const auto& start : starts) {
    Enter(test::GoldenChartById(5).input);
    auto* control = OnForm<QWidget>(start.control);
    control->setFocus();
    QTest::keyClick(control, start.key);
    ASSERT_NE(Window(), nullptr) << start.control << ": " << MessageTexts().join('|').toStdString();
    EXPECT_EQ(program_->Session().birth_data.BirthCountry,
              test::GoldenChartById(5).input["BirthCountry"].toString().toStdString());
    Back();
  }
  EXPECT_TRUE(messages_.empty()) << MessageTexts().join('|').toStdString();
}

TEST_F(KeyboardAndOwnTexts, EnterIsNoRefusedCharacterAndAFocusedButtonTakesItsOwnEnter) {
  QTest::keyClicks(Field("txtName"), "Asha");
  QTest::keyClick(Field("txtName"), Qt::Key_Return);
  QTest::keyClick(Field("txtLatD"), Qt::Key_Escape);
  EXPECT_EQ(Field("txtName")->text(), "Asha");
  EXPECT_EQ(MessageTexts(), QStringList{"Please Enter Degree of Latitude"});

  auto* open = OnForm<QPushButton>("cmdOpen");
  open->setFocus();
  QTest::keyClick(open, Qt::Key_Return);
  ASSERT_EQ(asked_.size(), 1u);
  EXPECT_EQ(asked_[0].title, "Select the source file");
  EXPECT_EQ(messages_.size(), 1u);
}

TEST_F(KeyboardAndOwnTexts, MarkupInANameOrPlaceIsShownAsTheCharactersStored) {
  const QString name = QStringLiteral("<b>Asha</b> <img src=\"/etc/hostname\">");
  Enter(test::GoldenChartById(5).input, name);
  Field("txtCity")->setText(QStringLiteral("<i>Pune</i>"));
  Calculate();
  ASSERT_NE(Window(), nullptr) << MessageTexts().join('|').toStdString();
  const QString status = Window()->findChild<QLabel*>("lblStatusChart")->text();
  EXPECT_TRUE(status.startsWith(name)) << status.toStdString();
  for (const auto& [label, text] : {std::pair{"lblName", "Name: " + name},
                                    std::pair{"lblCity", QStringLiteral("City: <i>Pune</i>")},
                                    std::pair{"lblStatusChart", status}}) {
    QLabel* shown = Window()->findChild<QLabel*>(label);
    EXPECT_EQ(shown->text(), text);
    // Drawn as markup, the tags would vanish and the label would be far narrower.
    EXPECT_GE(shown->sizeHint().width(), shown->fontMetrics().horizontalAdvance(text) - 2) << label;
  }
}

TEST_F(KeyboardAndOwnTexts, ALongNameEndsInAnEllipsisInsideTheChartAndTheTooltipHoldsItAll) {
  const QString name =
      QStringLiteral("Venkata Lakshmi Narasimha Subrahmanyam Sastry Chakravarthy");  // 58
  ASSERT_EQ(name.size(), 58);
  Enter(test::GoldenChartById(5).input, name);
  Calculate();
  ASSERT_NE(Window(), nullptr) << MessageTexts().join('|').toStdString();
  QLabel* line = Detail("lblName");
  EXPECT_TRUE(line->text().startsWith(QStringLiteral("Name: Venkata")))
      << line->text().toStdString();
  EXPECT_TRUE(line->text().endsWith(QChar(0x2026))) << line->text().toStdString();
  EXPECT_LE(line->geometry().right(), Display()->width());
  EXPECT_EQ(QTextDocumentFragment::fromHtml(line->toolTip()).toPlainText(), "Name: " + name);
  // A line that fits is shown whole, with no tooltip.
  EXPECT_FALSE(Detail("lblCity")->text().endsWith(QChar(0x2026)));
  EXPECT_TRUE(Detail("lblCity")->toolTip().isEmpty());
}

}  // namespace
}  // namespace quendal
