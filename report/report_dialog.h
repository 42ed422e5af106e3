// The small dialog before a report: which sections, and the paper. The choice is kept in
// the settings, so the next report starts from it.
#pragma once

#include <QDialog>
#include <QPageSize>
#include <functional>
#include <optional>
#include <vector>

#include "report/report_input.h"

class QCheckBox;
class QComboBox;
class QPushButton;

namespace quendal {

// Every section and the locale's paper until a choice is stored.
ReportChoice StoredReportChoice();
void StoreReportChoice(const ReportChoice& choice);

class ReportDialog : public QDialog {
  Q_OBJECT

 public:
  explicit ReportDialog(const ReportChoice& choice, QWidget* parent = nullptr);
  ReportChoice Choice() const;

 private:
  void UpdateOk();

  std::vector<std::pair<ReportSection, QCheckBox*>> boxes_;
  QComboBox* cboReportPaper_ = nullptr;
  QPushButton* ok_ = nullptr;
};

// Shows the dialog with the stored choice; on OK stores the new choice and returns it.
std::optional<ReportChoice> AskReportChoice(QWidget* parent);

// Tests set the dialog's controls and answer true (OK) or false (Cancel) instead of a person.
using ReportDialogHandler = std::function<bool(ReportDialog&)>;
void SetReportDialogHandler(ReportDialogHandler handler);

}  // namespace quendal
