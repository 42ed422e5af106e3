#include "birth/reading_open.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QWidget>

#include "ui_common/file_dialogs.h"
#include "ui_common/message_box.h"

namespace quendal {
namespace {

void SetText(QWidget* form, const char* name, const std::string& text) {
  // setText bypasses the keystroke filters, which only judge what a person types.
  if (auto* field = form->findChild<QLineEdit*>(name)) field->setText(QString::fromStdString(text));
}

void SelectPosition(QWidget* form, const char* name, const std::optional<int>& position) {
  auto* list = form->findChild<QComboBox*>(name);
  if (list && position && *position >= 0 && *position < list->count()) {
    list->setCurrentIndex(*position);
  }
}

void SelectItem(QWidget* form, const char* name, const std::optional<std::string>& text) {
  auto* list = form->findChild<QComboBox*>(name);
  if (!list || !text) return;
  const int position = list->findText(QString::fromStdString(*text), Qt::MatchExactly);
  if (position >= 0) list->setCurrentIndex(position);
}

void Check(QWidget* form, const char* name, bool checked) {
  if (auto* button = form->findChild<QAbstractButton*>(name)) button->setChecked(checked);
}

}  // namespace

void ApplyReadingToForm(QWidget* form, const ReadingFormFill& fill) {
  SetText(form, "txtName", fill.txtName);
  SelectPosition(form, "cboMonth", fill.MonthPosition);
  SelectItem(form, "cboDate", fill.DayText);
  SelectItem(form, "cboYear", fill.YearText);
  SelectItem(form, "cboHour", fill.HourText);
  SelectItem(form, "cboMinute", fill.MinuteText);
  SelectPosition(form, "cboTimeZone", fill.ZoneRow);
  SetText(form, "txtLonD", fill.txtLonD);
  SetText(form, "txtLonM", fill.txtLonM);
  SetText(form, "txtLatD", fill.txtLatD);
  SetText(form, "txtLatM", fill.txtLatM);
  Check(form, fill.LongitudeIsEast ? "optLongEast_0" : "optLongEast_1", true);
  Check(form, fill.LatitudeIsSouth ? "optLatSouth_1" : "optLatSouth_0", true);
  Check(form, "chkDST", fill.DaylightSaving);
  SetText(form, "txtCity", fill.txtCity);
  SetText(form, "txtState", fill.txtState);
  SetText(form, "txtCountry", fill.txtCountry);
}

bool LoadReadingIntoForm(QWidget* form, const QString& path) {
  const auto refuse = [form] {
    ShowMessage(form, QString::fromUtf8(kCheckFileMessage.data(), kCheckFileMessage.size()),
                MessageIcon::Stop);
    return false;
  };
  if (!HasReadingExtension(path.toStdString())) return refuse();
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return refuse();
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) return refuse();
  const auto fill = InterpretReading(DecodeReading(bytes.toStdString()));
  if (!fill) return refuse();
  ApplyReadingToForm(form, *fill);
  return true;
}

bool OpenReading(QWidget* form) {
  FileDialogRequest request;
  request.kind = FileDialogRequest::Kind::Open;
  request.title = QStringLiteral("Select the source file");
  request.filter = QStringLiteral("Quendal (*.kdl)");
  request.default_suffix = QStringLiteral("kdl");
  const QString path = AskFileName(form, request);
  if (path.isEmpty()) return false;
  return LoadReadingIntoForm(form, path);
}

}  // namespace quendal
