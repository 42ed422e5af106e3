#include "report/report_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

#include "chart_window/pdf_output.h"
#include "ui_common/translated_text.h"

namespace quendal {
namespace {

constexpr char kSectionsKey[] = "Report/Sections";
constexpr char kPaperKey[] = "Report/Paper";

ReportDialogHandler& Handler() {
  static ReportDialogHandler handler;
  return handler;
}

}  // namespace

ReportChoice StoredReportChoice() {
  const QSettings settings;
  ReportChoice choice;
  choice.paper = LocalePageSize();
  const QString paper = settings.value(QLatin1String(kPaperKey)).toString();
  if (paper == QLatin1String("a4")) choice.paper = QPageSize::A4;
  if (paper == QLatin1String("letter")) choice.paper = QPageSize::Letter;
  QString unknown;
  const QVariant stored = settings.value(QLatin1String(kSectionsKey));
  // An empty stored list cannot be: the dialog never takes a report without a section.
  const auto sections = stored.isValid()
                            ? ParseReportSections(stored.toStringList().join(u','), unknown)
                            : std::nullopt;
  if (sections) {
    choice.sections = *sections;
  } else {
    choice.sections = DefaultReportSections();
  }
  return choice;
}

void StoreReportChoice(const ReportChoice& choice) {
  QSettings settings;
  QStringList keys;
  for (const auto& offered : OfferedReportSections()) {
    for (ReportSection section : choice.sections)
      if (section == offered.section) keys << QLatin1String(offered.key);
  }
  settings.setValue(QLatin1String(kSectionsKey), keys);
  settings.setValue(QLatin1String(kPaperKey), choice.paper == QPageSize::Letter
                                                  ? QStringLiteral("letter")
                                                  : QStringLiteral("a4"));
}

ReportDialog::ReportDialog(const ReportChoice& choice, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmReport"));
  setWindowTitle(TrText("Report", "Report"));
  auto* column = new QVBoxLayout(this);
  auto* sections = new QGroupBox(TrText("Report", "Sections"), this);
  auto* section_column = new QVBoxLayout(sections);
  for (const auto& offered : OfferedReportSections()) {
    auto* box = new QCheckBox(TrText("Report", offered.caption), sections);
    box->setObjectName(QStringLiteral("chkReport_%1").arg(QLatin1String(offered.key)));
    for (ReportSection section : choice.sections)
      if (section == offered.section) box->setChecked(true);
    connect(box, &QCheckBox::toggled, this, &ReportDialog::UpdateOk);
    section_column->addWidget(box);
    boxes_.emplace_back(offered.section, box);
  }
  column->addWidget(sections);

  auto* form = new QFormLayout;
  cboReportPaper_ = new QComboBox(this);
  cboReportPaper_->setObjectName(QStringLiteral("cboReportPaper"));
  cboReportPaper_->addItem(QStringLiteral("A4"), static_cast<int>(QPageSize::A4));
  cboReportPaper_->addItem(TrText("Report", "Letter"), static_cast<int>(QPageSize::Letter));
  cboReportPaper_->setCurrentIndex(choice.paper == QPageSize::Letter ? 1 : 0);
  form->addRow(TrText("Report", "&Paper:"), cboReportPaper_);
  column->addLayout(form);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  ok_ = buttons->button(QDialogButtonBox::Ok);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  column->addWidget(buttons);
  UpdateOk();
}

ReportChoice ReportDialog::Choice() const {
  ReportChoice choice;
  for (const auto& [section, box] : boxes_)
    if (box->isChecked()) choice.sections.push_back(section);
  choice.paper = static_cast<QPageSize::PageSizeId>(cboReportPaper_->currentData().toInt());
  return choice;
}

void ReportDialog::UpdateOk() { ok_->setEnabled(!Choice().sections.empty()); }

std::optional<ReportChoice> AskReportChoice(QWidget* parent) {
  ReportDialog dialog(StoredReportChoice(), parent);
  const bool accepted = Handler() ? Handler()(dialog) : dialog.exec() == QDialog::Accepted;
  const ReportChoice choice = dialog.Choice();
  if (!accepted || choice.sections.empty()) return std::nullopt;
  StoreReportChoice(choice);
  return choice;
}

void SetReportDialogHandler(ReportDialogHandler handler) { Handler() = std::move(handler); }

}  // namespace quendal
