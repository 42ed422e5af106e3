#include "chart_window/chart_options_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QSettings>
#include <array>

#include "chart_window/dasha_window.h"
#include "chart_window/frmDisplay.h"
#include "chart_window/varga_window.h"
#include "ui_common/settings_store.h"
#include "ui_common/translated_text.h"
#include "vedic/precise_engine.h"

namespace quendal {
namespace {

QString Caption(std::string_view name, int mnemonic_at = 0) {
  QString caption = TrName(name);
  return caption.insert(mnemonic_at, QLatin1Char('&'));
}

struct SiderealItem {
  AyanamshaSystem ayanamsha;
  const char* name;
  const char* caption;
};
// Lahiri's item keeps the name and caption it had when it was the only one.
constexpr std::array<SiderealItem, 6> kSiderealItems = {{
    {AyanamshaSystem::Lahiri, "mnuSidereal",
     QT_TRANSLATE_NOOP("ChartOptionsMenu", "&Sidereal (Lahiri)")},
    {AyanamshaSystem::Krishnamurti, "mnuSiderealKrishnamurti",
     QT_TRANSLATE_NOOP("ChartOptionsMenu", "Sidereal (&Krishnamurti)")},
    {AyanamshaSystem::Raman, "mnuSiderealRaman",
     QT_TRANSLATE_NOOP("ChartOptionsMenu", "Sidereal (&Raman)")},
    {AyanamshaSystem::TrueChitrapaksha, "mnuSiderealTrueChitrapaksha",
     QT_TRANSLATE_NOOP("ChartOptionsMenu", "Sidereal (True &Chitrapaksha)")},
    {AyanamshaSystem::Yukteshwar, "mnuSiderealYukteshwar",
     QT_TRANSLATE_NOOP("ChartOptionsMenu", "Sidereal (&Yukteshwar)")},
    {AyanamshaSystem::FaganBradley, "mnuSiderealFaganBradley",
     QT_TRANSLATE_NOOP("ChartOptionsMenu", "Sidereal (&Fagan-Bradley)")},
}};

}  // namespace

ChartOptions LoadChartOptions(const QSettings& settings) {
  return DecodeChartOptions(SettingsText(settings), PrecisePositionsBuilt());
}

void StoreChartOptions(QSettings& settings, const ChartOptions& options) {
  StoreEntries(settings, EncodeChartOptions(options));
  settings.sync();
}

ChartOptionsMenu::ChartOptionsMenu(QWidget* window, QMenu* view, ChartSession& session,
                                   std::function<frmDisplay*()> display)
    : QObject(window), window_(window), session_(session), display_(std::move(display)) {
  view->addSeparator();
  QMenu* zodiac = view->addMenu(TrText("ChartOptionsMenu", "&Zodiac"));
  zodiac->setObjectName(QStringLiteral("mnuZodiac"));
  zodiac->menuAction()->setObjectName(QStringLiteral("mnuZodiac"));
  QMenu* positions = view->addMenu(TrText("ChartOptionsMenu", "&Positions"));
  positions->setObjectName(QStringLiteral("mnuPositions"));
  positions->menuAction()->setObjectName(QStringLiteral("mnuPositions"));

  const ChartOptions now = session_.options;
  AddZodiacItems(zodiac);
  auto* sources = new QActionGroup(this);
  for (PositionsSource p : {PositionsSource::Classic, PositionsSource::Precise}) {
    const bool precise = p == PositionsSource::Precise;
    QAction* item = AddChoice(positions, precise ? "mnuPrecise" : "mnuClassic",
                              Caption(PositionsName(p)), now.positions == p);
    sources->addAction(item);
    if (precise && !PrecisePositionsBuilt()) {
      item->setEnabled(false);
      item->setToolTip(TrText("Messages", kPreciseMissingReason));
      positions->setToolTipsVisible(true);
    }
    connect(item, &QAction::triggered, this, [this, p] {
      ChartOptions options = session_.options;
      options.positions = p;
      Choose(options);
    });
  }
  positions->addSeparator();
  QAction* true_node = AddChoice(positions, "mnuTrueNode", TrText("ChartOptionsMenu", "&True Node"),
                                 now.node == NodeKind::True);
  true_node->setToolTip(TrText("ChartOptionsMenu",
                               "Precise positions only: the classic formulas have a "
                               "node of their own"));
  positions->setToolTipsVisible(true);
  connect(true_node, &QAction::triggered, this, [this](bool checked) {
    ChartOptions options = session_.options;
    options.node = checked ? NodeKind::True : NodeKind::Mean;
    Choose(options);
  });

  QAction* dasha = view->addAction(TrText("ChartOptionsMenu", "&Dasha"));
  dasha->setObjectName(QStringLiteral("mnuDasha"));
  connect(dasha, &QAction::triggered, this, &ChartOptionsMenu::mnuDasha_Click);
  QAction* vargas = view->addAction(TrText("ChartOptionsMenu", "Shodashavarga and &Nakshatras"));
  vargas->setObjectName(QStringLiteral("mnuVargas"));
  connect(vargas, &QAction::triggered, this, &ChartOptionsMenu::mnuVargas_Click);
  ShowChecks();
}

void ChartOptionsMenu::AddZodiacItems(QMenu* zodiac) {
  const ChartOptions& now = session_.options;
  auto* zodiacs = new QActionGroup(this);
  QAction* tropical = AddChoice(zodiac, "mnuTropical", Caption(ZodiacName(Zodiac::Tropical)),
                                now.zodiac == Zodiac::Tropical);
  zodiacs->addAction(tropical);
  connect(tropical, &QAction::triggered, this, [this] {
    ChartOptions options = session_.options;
    options.zodiac = Zodiac::Tropical;
    options.ayanamsha = AyanamshaSystem::Lahiri;
    Choose(options);
  });
  for (const SiderealItem& entry : kSiderealItems) {
    QAction* item = AddChoice(zodiac, entry.name, TrText("ChartOptionsMenu", entry.caption), false);
    zodiacs->addAction(item);
    if (entry.ayanamsha != AyanamshaSystem::Lahiri && !PrecisePositionsBuilt()) {
      item->setEnabled(false);
      item->setToolTip(TrText("Messages", kPreciseMissingReason));
      zodiac->setToolTipsVisible(true);
    }
    connect(item, &QAction::triggered, this, [this, system = entry.ayanamsha] {
      ChartOptions options = session_.options;
      options.zodiac = Zodiac::SiderealLahiri;
      options.ayanamsha = system;
      Choose(options);
    });
  }
}

QAction* ChartOptionsMenu::AddChoice(QMenu* menu, const char* name, const QString& caption,
                                     bool checked) {
  QAction* item = menu->addAction(caption);
  item->setObjectName(QLatin1String(name));
  item->setCheckable(true);
  item->setChecked(checked);
  return item;
}

void ChartOptionsMenu::ShowChecks() {
  const ChartOptions& now = session_.options;
  const auto check = [this](const char* name, bool on) {
    if (auto* item = window_->findChild<QAction*>(QLatin1String(name))) item->setChecked(on);
  };
  check("mnuTropical", now.zodiac == Zodiac::Tropical);
  for (const SiderealItem& entry : kSiderealItems)
    check(entry.name, now.zodiac == Zodiac::SiderealLahiri && now.ayanamsha == entry.ayanamsha);
  check("mnuClassic", now.positions == PositionsSource::Classic);
  check("mnuPrecise", now.positions == PositionsSource::Precise);
  // The classic formulas have a node of their own.
  check("mnuTrueNode", now.node == NodeKind::True);
  if (auto* item = window_->findChild<QAction*>(QStringLiteral("mnuTrueNode")))
    item->setEnabled(now.positions == PositionsSource::Precise);
}

void ChartOptionsMenu::Choose(const ChartOptions& options) {
  session_.chart = CalculateChart(session_.birth_data, options);
  session_.options = session_.chart.Options;
  QSettings settings;
  StoreChartOptions(settings, session_.options);
  ShowChecks();
  // The window refreshes its status bar and snapshot when the chart child is filled.
  if (frmDisplay* display = display_()) display->FillChart(session_.chart);
  if (dasha_) dasha_->SetChart(session_.chart);
  if (vargas_) vargas_->SetChart(session_.chart);
}

void ChartOptionsMenu::mnuDasha_Click() {
  if (!dasha_) {
    dasha_ = new DashaWindow(window_);
    connect(dasha_, &DashaWindow::DashaYearChosen, this, [this](DashaYear year) {
      ChartOptions options = session_.options;
      options.dasha_year = year;
      Choose(options);
    });
  }
  dasha_->SetChart(session_.chart);
  dasha_->show();
  dasha_->raise();
  dasha_->activateWindow();
}

void ChartOptionsMenu::mnuVargas_Click() {
  if (!vargas_) vargas_ = new VargaWindow(window_);
  vargas_->SetChart(session_.chart);
  vargas_->show();
  vargas_->raise();
  vargas_->activateWindow();
}

}  // namespace quendal
