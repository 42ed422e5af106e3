#include "chart_window/match_open.h"

#include "birth/form_values.h"
#include "birth/reading_open.h"
#include "birth/validation.h"
#include "chart_window/match_window.h"
#include "ui_common/file_dialogs.h"
#include "ui_common/message_box.h"
#include "ui_common/translated_text.h"

namespace quendal {

std::optional<BirthData> ReadMatchBirth(QWidget* parent, const QString& path) {
  FormValues values = InitialFormValues();
  if (!LoadReading(parent, path, values)) return std::nullopt;
  if (const auto problem = ValidateInput(EntryOf(values))) {
    ShowMessage(parent, QString::fromStdString(problem->message), problem->icon);
    return std::nullopt;
  }
  return StoreZoneRow(BirthDataFromValues(values, BirthData{}), values.ZoneRow);
}

void MatchWithSavedReading(QWidget* chart_window, const ChartSession& session) {
  FileDialogRequest request;
  request.kind = FileDialogRequest::Kind::Open;
  request.title = TrText("MatchWindow", "Match With Saved Reading");
  request.filter = TrText("MatchWindow", "Quendal Reading (*.kdl)");
  request.default_suffix = QStringLiteral("kdl");
  const QString path = AskFileName(chart_window, request);
  if (path.isEmpty()) return;
  const auto groom = ReadMatchBirth(chart_window, path);
  if (!groom) return;
  auto* window = chart_window->findChild<MatchWindow*>(QString(), Qt::FindDirectChildrenOnly);
  if (window) {
    window->SetPeople(session.birth_data, *groom, session.options);
  } else {
    window = new MatchWindow(session.birth_data, *groom, session.options, chart_window);
  }
  window->show();
  window->raise();
  window->activateWindow();
}

}  // namespace quendal
