// The whole program started offscreen, with every message box and file dialog answered by
// the test: births entered into the real form, commands given through the real windows.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QJsonObject>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <deque>
#include <memory>
#include <vector>

#include "app/quendal_application.h"
#include "birth/frmMain.h"
#include "chart_window/MDI.h"
#include "chart_window/frmDisplay.h"
#include "tests/golden_charts.h"
#include "ui_common/file_dialogs.h"
#include "ui_common/message_box.h"

namespace quendal::test {

inline QByteArray FileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

class RunningProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    SetMessageHandler([this](const MessageRequest& request) {
      messages_.push_back(request);
      return MessageAnswer::Ok;
    });
    SetFileDialogHandler([this](const FileDialogRequest& request) {
      asked_.push_back(request);
      if (answers_.empty()) return QString();
      const QString answer = answers_.front();
      answers_.pop_front();
      return answer;
    });
    program_ = std::make_unique<QuendalApplication>();
    program_->SetEndHandler([] {});
    program_->Start();
    form_ = program_->Form();
    QApplication::setActiveWindow(form_);
    ASSERT_TRUE(QTest::qWaitForWindowActive(form_));
  }

  void TearDown() override {
    program_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    SetMessageHandler({});
    SetFileDialogHandler({});
    SetPrintDialogHandler({});
  }

  template <typename T>
  T* OnForm(const char* name) {
    T* widget = form_->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  QLineEdit* Field(const char* name) { return OnForm<QLineEdit>(name); }
  QComboBox* List(const char* name) { return OnForm<QComboBox>(name); }

  // A golden birth put into the form the way a person leaves it.
  void Enter(const QJsonObject& input, const QString& name_override = {}) {
    Field("txtName")->setText(name_override.isEmpty() ? input["PersonName"].toString()
                                                      : name_override);
    List("cboMonth")->setCurrentIndex(input["BirthMonth"].toInt() - 1);
    List("cboDate")->setCurrentIndex(input["BirthDay"].toInt() - 1);
    List("cboYear")->setCurrentIndex(input["BirthYear"].toInt() - 1901);
    List("cboHour")->setCurrentIndex(input["BirthHour"].toInt());
    List("cboMinute")->setCurrentIndex(input["BirthMinute"].toInt());
    List("cboTimeZone")->setCurrentIndex(input["ZoneRow"].toInt());
    OnForm<QCheckBox>("chkDST")->setChecked(input["DaylightSaving"].toBool());
    Field("txtLatD")->setText(QString::number(input["LatitudeDegrees"].toInt()));
    Field("txtLatM")->setText(QString::number(input["LatitudeMinutes"].toInt()));
    Field("txtLonD")->setText(QString::number(input["LongitudeDegrees"].toInt()));
    Field("txtLonM")->setText(QString::number(input["LongitudeMinutes"].toInt()));
    OnForm<QRadioButton>(input["LatitudeIsSouth"].toBool() ? "optLatSouth_1" : "optLatSouth_0")
        ->setChecked(true);
    OnForm<QRadioButton>(input["LongitudeIsEast"].toBool() ? "optLongEast_0" : "optLongEast_1")
        ->setChecked(true);
    Field("txtCity")->setText(input["BirthCity"].toString());
    Field("txtState")->setText(input["BirthState"].toString());
    Field("txtCountry")->setText(input["BirthCountry"].toString());
  }

  // Every control of the form as a list of texts, to compare whole forms.
  QStringList FormState() {
    QStringList state;
    for (const char* name : {"txtName", "txtLatD", "txtLatM", "txtLonD", "txtLonM", "txtCity",
                             "txtState", "txtCountry"}) {
      state << Field(name)->text();
    }
    for (const char* name :
         {"cboMonth", "cboDate", "cboYear", "cboHour", "cboMinute", "cboTimeZone"}) {
      state << List(name)->currentText();
    }
    for (const char* name :
         {"chkDST", "optLatSouth_0", "optLatSouth_1", "optLongEast_0", "optLongEast_1"}) {
      state << (OnForm<QAbstractButton>(name)->isChecked() ? "1" : "0");
    }
    return state;
  }

  void Click(QAbstractButton* button) {
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
  }
  void Calculate() { Click(OnForm<QPushButton>("cmdCalculate")); }
  void Open() { Click(OnForm<QPushButton>("cmdOpen")); }

  MDI* Window() { return program_->ChartWindow(); }
  frmDisplay* Display() { return Window() ? Window()->Display() : nullptr; }

  // Enters and calculates; the chart window is then shown and active.
  void CastChart(const QJsonObject& input) {
    Enter(input);
    Calculate();
    ASSERT_NE(Window(), nullptr) << MessageTexts().join('|').toStdString();
    QApplication::setActiveWindow(Window());
    ASSERT_TRUE(QTest::qWaitForWindowActive(Window()));
  }

  void Menu(const char* name) {
    QAction* item = Window()->findChild<QAction*>(QString::fromLatin1(name));
    ASSERT_NE(item, nullptr) << name;
    item->trigger();
  }
  void ToolbarButton(const char* key) {
    auto* bar = Window()->findChild<QToolBar*>("TB");
    ASSERT_NE(bar, nullptr);
    QAction* action = Window()->findChild<QAction*>(QStringLiteral("TB_%1").arg(key));
    ASSERT_NE(action, nullptr) << key;
    auto* button = qobject_cast<QAbstractButton*>(bar->widgetForAction(action));
    Click(button);
  }
  void Back() {
    Click(Window()->findChild<QPushButton*>("cmdBack"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  QStringList MessageTexts() const {
    QStringList texts;
    for (const MessageRequest& request : messages_) texts << request.text;
    return texts;
  }

  QTemporaryDir dir_;
  std::unique_ptr<QuendalApplication> program_;
  frmMain* form_ = nullptr;
  std::vector<MessageRequest> messages_;
  std::vector<FileDialogRequest> asked_;
  std::deque<QString> answers_;  // file-dialog answers in turn; none left: cancel
};

}  // namespace quendal::test
