// The chart window's View items beyond the toolbar (status bar, chart style, colour style,
// the birth chart and its divisional charts) and the status bar they report to.
#include <QAction>
#include <QLabel>
#include <QSettings>
#include <QStatusBar>
#include <array>

#include "chart/chart_options.h"
#include "chart/stored_choices.h"
#include "chart_window/MDI.h"
#include "chart_window/division_items.h"
#include "chart_window/frmDisplay.h"
#include "positions/time_zones.h"
#include "positions/zone_line.h"
#include "ui_common/language.h"
#include "ui_common/menu_choices.h"
#include "ui_common/settings_store.h"
#include "ui_common/translated_text.h"
#include "vedic/divisional_signs.h"

namespace quendal {
namespace {

// The status bar's lines in the language; in English the core's own, as every output has them.
QString ZodiacAndPositionsShown(const ChartOptions& options) {
  if (CurrentLanguage() == QLatin1String("en"))
    return QString::fromStdString(ZodiacAndPositionsText(options));
  return TrText("MDI", "%1 zodiac, %2 positions%3")
      .arg(TrName(ZodiacName(options)), TrName(PositionsKey(options.positions)),
           options.node == NodeKind::True ? TrText("MDI", ", true node") : QString());
}

QString ZoneLineShown(int row, bool daylight_saving) {
  if (CurrentLanguage() == QLatin1String("en") || row < 0 || row >= kTimeZoneRowCount)
    return QString::fromStdString(ZoneLine(row, daylight_saving));
  const std::string_view zone = FillTimeZoneTable().TimeZoneNames[static_cast<size_t>(row)];
  const QString offset =
      QString::fromStdString(UtcOffsetLabel(RowOffsetSeconds(row) + (daylight_saving ? 3600 : 0)));
  return (daylight_saving ? TrText("MDI", "Zone: %1 and daylight saving (%2)")
                          : TrText("MDI", "Zone: %1 (%2)"))
      .arg(QString::fromUtf8(zone.data(), static_cast<qsizetype>(zone.size())), offset);
}

struct StyleItem {
  const char* name;
  ChartStyle style;
  const char* caption;
};
// Check marks are set in this order: North, South, Natal.
constexpr std::array<StyleItem, 3> kStyleItems = {{
    {"mnuNorth", ChartStyle::North, QT_TRANSLATE_NOOP("MDI", "North Indian")},
    {"mnuSouth", ChartStyle::South, QT_TRANSLATE_NOOP("MDI", "South Indian")},
    {"mnuNatal", ChartStyle::Natal, QT_TRANSLATE_NOOP("MDI", "Natal Indian")},
}};

struct DesignedDivision {
  const char* name;
  int division;
};
// Divisional check marks are set in this order, each checked only when it is the one chosen.
constexpr std::array<DesignedDivision, 6> kDivisionalItems = {{{"mnuSub_Dasamsa", 10},
                                                               {"mnuSub_Drekkana", 3},
                                                               {"mnuSub_Dwadasamsa", 12},
                                                               {"mnuSub_Hora", 2},
                                                               {"mnuSub_Navamsa", 9},
                                                               {"mnuSub_Sapthamsa", 7}}};

const QString kWindowCaption = QStringLiteral("Quendal v1.85");

const StyleItem& ItemOf(ChartStyle style) {
  for (const StyleItem& item : kStyleItems)
    if (item.style == style) return item;
  return kStyleItems.back();
}

}  // namespace

void MDI::BuildStatusBar() {
  QStatusBar* bar = statusBar();
  bar->setObjectName(QStringLiteral("StatusBar"));
  lblStatusChart_ = new QLabel(bar);
  lblStatusChart_->setObjectName(QStringLiteral("lblStatusChart"));
  lblStatusZodiac_ = new QLabel(bar);
  lblStatusZodiac_->setObjectName(QStringLiteral("lblStatusZodiac"));
  auto* zone = new QLabel(bar);
  zone->setObjectName(QStringLiteral("lblStatusZone"));
  // Permanent, so a saved file's path on the left does not hide them.
  for (QLabel* label : {lblStatusChart_, lblStatusZodiac_, zone}) {
    label->setContentsMargins(8, 0, 8, 0);
    label->setTextFormat(Qt::PlainText);  // the person's name, exactly as stored
  }
  bar->addPermanentWidget(lblStatusChart_);
  bar->addPermanentWidget(lblStatusZodiac_);
  bar->addPermanentWidget(zone);
}

void MDI::LoadViewMenu() {
  GroupChoices(this, {"mnuNorth", "mnuSouth", "mnuNatal"});
  GroupChoices(this, {"mnuColorOn", "mnuColorOff"});
  SetShortcuts(this, {{"mnuSaveAsText", QKeySequence::Save},
                      {"mnuExport", QKeySequence(Qt::CTRL | Qt::Key_E)},
                      {"mnuPrint", QKeySequence::Print},
                      {"mnuExit", QKeySequence(Qt::CTRL | Qt::Key_Q)}});
  Item("mnuStatusBar")->setChecked(true);
  statusBar()->show();
  // Every window opens on the birth chart in the style and colours kept from the last run.
  const ViewChoices kept = DecodeViewChoices(SettingsText(QSettings()));
  ShowChartStyle(kept.style);
  ShowColours(kept.coloured);
  ShowDivision(1);
}

void MDI::ShowChartStyle(ChartStyle style) {
  for (const StyleItem& item : kStyleItems) Item(item.name)->setChecked(item.style == style);
  session_.view.style = style;
  if (display_) display_->SetChartStyle(style);
  QSettings settings;
  StoreEntries(settings, {EncodeChartStyle(style)});
  UpdateStatusBar();
}

void MDI::ShowColours(bool coloured) {
  session_.view.coloured = coloured;
  Item("mnuColorOn")->setChecked(coloured);
  Item("mnuColorOff")->setChecked(!coloured);
  if (display_) {
    std::array<QColor, 12> black;
    black.fill(QColor(0, 0, 0));
    display_->SetSignCellColors(coloured ? SignPaletteColours() : black);
    display_->SetColoured(coloured);
  }
  QSettings settings;
  StoreEntries(settings, {EncodeColoured(coloured)});
  UpdateStatusBar();
}

void MDI::ShowDivision(int division) {
  session_.view.division = division;
  Item("mnuChart")->setChecked(division == 1);
  for (const DesignedDivision& item : kDivisionalItems)
    Item(item.name)->setChecked(item.division == division);
  CheckDivisionItems(this, division);
  if (display_) {
    display_->SetDivision(division);
    display_->show();
  }
  setWindowTitle(division == 1
                     ? kWindowCaption
                     : kWindowCaption + QStringLiteral(" - ") + TrName(DivisionName(division)));
  UpdateStatusBar();
}

void MDI::UpdateStatusBar() {
  if (!lblStatusChart_ || !display_) return;
  // Save As JPEG writes the snapshot, so a view changed on screen is taken again at once.
  if (isVisible()) MDIForm_Activate();
  const ChartView view = display_->View();
  QString chart =
      view.chart_name + QStringLiteral(", ") + TrText("MDI", ItemOf(session_.view.style).caption);
  if (!session_.birth_data.PersonName.empty())
    chart = QString::fromStdString(session_.birth_data.PersonName) + QStringLiteral(": ") + chart;
  lblStatusChart_->setText(chart);
  // What the chart on view was cast with.
  lblStatusZodiac_->setText(ZodiacAndPositionsShown(view.chart.Options));
  if (auto* zone = statusBar()->findChild<QLabel*>(QStringLiteral("lblStatusZone")))
    zone->setText(ZoneLineShown(session_.zone_row, session_.birth_data.DaylightSaving));
}

void MDI::ShowSaved(const QString& path) {
  if (!path.isEmpty()) statusBar()->showMessage(TrText("MDI", "Saved %1").arg(path));
}

void MDI::mnuStatusBar_Click() {
  QAction* item = Item("mnuStatusBar");
  item->setChecked(!item->isChecked());
  statusBar()->setVisible(item->isChecked());
}

void MDI::mnuNorth_Click() { ShowChartStyle(ChartStyle::North); }
void MDI::mnuSouth_Click() { ShowChartStyle(ChartStyle::South); }
void MDI::mnuNatal_Click() { ShowChartStyle(ChartStyle::Natal); }
void MDI::mnuColorOn_Click() { ShowColours(true); }
void MDI::mnuColorOff_Click() { ShowColours(false); }
void MDI::mnuChart_Click() { ShowDivision(1); }
void MDI::mnuSub_Hora_Click() { ShowDivision(2); }
void MDI::mnuSub_Drekkana_Click() { ShowDivision(3); }
void MDI::mnuSub_Sapthamsa_Click() { ShowDivision(7); }
void MDI::mnuSub_Navamsa_Click() { ShowDivision(9); }
void MDI::mnuSub_Dasamsa_Click() { ShowDivision(10); }
void MDI::mnuSub_Dwadasamsa_Click() { ShowDivision(12); }

}  // namespace quendal
