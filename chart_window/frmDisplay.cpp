#include "chart_window/frmDisplay.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>

#include "chart_window/house_cell_label.h"
#include "chart_window/natal_wheel.h"
#include "chart_window/sign_image.h"
#include "chart_window/sky_panels.h"
#include "drawing/transit_view.h"
#include "chart_window/vedic_details.h"
#include "drawing/chart_layout.h"
#include "drawing/chart_page.h"
#include "drawing/sky_layout.h"
#include "ui_common/language.h"
#include "ui_common/language_fonts.h"
#include "ui_common/layout.h"
#include "ui_common/translated_text.h"
#include "vedic/divisional_signs.h"

namespace quendal {
namespace {

constexpr double kLabelPoints = 8.25;
const QColor kCellInk = kEntryInk;
const QColor kNumberInk(0x6e, 0x33, 0x12);
const QColor kDetailInk(0x20, 0x20, 0x20);

// The chart page draws what the named controls hold; the controls themselves paint nothing.
class PaintedByPage : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject*, QEvent* event) override { return event->type() == QEvent::Paint; }
};

QRect Box(const TwipBox& box) { return TwipsRect(box.left, box.top, box.width, box.height); }

QString Text(const std::string& text) { return QString::fromStdString(text); }

QLabel* MakeLabel(QWidget* parent, const QString& name, const QRect& geometry, const QFont& font,
                  const QColor& ink = Qt::black) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  // Names and places come from the user or a reading file: the exact characters, no markup.
  label->setTextFormat(Qt::PlainText);
  label->setGeometry(geometry);
  label->setFont(font);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, ink);
  label->setPalette(palette);
  return label;
}

// A house cell's lines as the language labels the bodies; in English the cell as it is.
QString ShownCell(const std::string& cell) { return TrChartCell(QString::fromStdString(cell)); }

// Auto-sized labels grow with their caption from the top-left corner, as designed.
void SetCaption(QLabel* label, const QString& caption) {
  label->setText(caption);
  label->adjustSize();
}

// A birth-details line as wide as it is, up to the child's right edge; a longer one ends in
// "…" and the whole line is its tooltip. The snapshot, JPEG and print show the same.
void SetDetail(QLabel* label, const QString& caption) {
  const int room = Twips(kDisplayWidthTwips - kDetailsRightMarginTwips) - label->x();
  const QString shown = label->fontMetrics().elidedText(caption, Qt::ElideRight, room);
  label->setToolTip(shown == caption ? QString()
                                     : Qt::convertFromPlainText(caption, Qt::WhiteSpaceNoWrap));
  SetCaption(label, shown);
}

QString Indexed(const char* base, int index) {
  return QStringLiteral("%1_%2").arg(QLatin1String(base)).arg(index);
}

void PaintWhite(QWidget* widget) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, Qt::white);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

QPoint DesignPlace(size_t house) {
  const HousePlace& place = kHousePlaces[house];
  return QPoint(Twips(place.cell_left), Twips(place.cell_top));
}

}  // namespace

frmDisplay::frmDisplay(const BirthData& birth, QWidget* parent) : QWidget(parent), birth_(birth) {
  setObjectName(QStringLiteral("frmDisplay"));
  setWindowTitle(QStringLiteral("Quendal v1.75"));
  setFixedSize(Twips(kDisplayWidthTwips), Twips(kDisplayHeightTwips));
  PaintWhite(this);
  setFont(VerdanaFont(kLabelPoints));
  BuildWheel();
  BuildDetails();
  BuildPositionsFrame();
  BuildSignsFrame();
  BuildStores();
  AddChartOptionsLine(this);
  AddSkyPanels(this);
  Form_Load(birth);
  page_only_ = new PaintedByPage(this);
  LeavePaintingToPage();
}

// The image-name boxes are the screen's own; everything else is the page's. Installing the
// filter again on a child that has it keeps one.
void frmDisplay::LeavePaintingToPage() {
  for (QWidget* child : findChildren<QWidget*>()) {
    if (child == txtFile_ || child == txtFolder_ || child->parentWidget() == txtFile_ ||
        child->parentWidget() == txtFolder_)
      continue;
    child->installEventFilter(page_only_);
  }
}

void frmDisplay::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  DrawChartPage(painter, Page(), rect());
}

ChartPage frmDisplay::Page() const {
  ChartPage page;
  page.view = View();
  for (size_t h = 0; h < imgSign_.size(); ++h)
    page.view.chart.SignPictures[h] = imgSign_[h]->Picture();
  page.style = style_;
  page.chart_name = lblChartName_->text();
  const auto text = [this](const QString& name) {
    const auto* label = findChild<const QLabel*>(name);
    return label ? label->text() : QString();
  };
  page.options_line = text(QStringLiteral("lblChartOptions"));
  for (size_t i = 0; i < kDetailPlaces.size(); ++i)
    page.details[i] = text(QLatin1String(kDetailPlaces[i].name));
  for (size_t i = 0; i < page.positions.size(); ++i) page.positions[i] = Planet_[i]->text();
  for (size_t i = 0; i < kVedicRows.size(); ++i)
    page.other[i] = text(QLatin1String(kVedicRows[i].value_name));
  page.sky = sky_;
  if (transits_) {
    for (int i = 0; i < kTransitRows; ++i)
      page.transits.push_back(Text(transits_->chart.PositionsTable[static_cast<size_t>(i)]));
  }
  return page;
}

void frmDisplay::BuildWheel() {
  picNatal_ = new NatalWheel(this);
  picNatal_->setObjectName(QStringLiteral("picNatal"));
  picNatal_->setGeometry(Box(kNatalWheelBox));

  const QFont cell_font = VerdanaFont(kLabelPoints);
  const QFont number_font = NatalNumberFont();
  for (int h = 0; h < 12; ++h) {
    const HousePlace& place = kHousePlaces[h];
    imgSign_[h] = new SignImage(picNatal_);
    imgSign_[h]->setObjectName(Indexed("imgSign", h));
    imgSign_[h]->setGeometry(TwipsRect(place.glyph_left, place.glyph_top, kGlyphSize, kGlyphSize));

    const int number = h + 1;
    const int position_index = number % 12;
    auto* position = new QLabel(picNatal_);
    position->setObjectName(Indexed("lblNatalPosition", position_index));
    position->setGeometry(NatalNumberBox(h).toRect());
    position->setFont(number_font);
    position->setText(QString::number(number));

    QLabel* sign_cell = MakeLabel(picNatal_, QLatin1String(kSignCellNames[place.sign_cell]),
                                  TwipsRect(place.sign_cell_left, place.sign_cell_top,
                                            place.sign_cell_width, kSignCellHeight),
                                  cell_font, Qt::black);
    sign_cell->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    sign_cells_[place.sign_cell] = sign_cell;

    lblNatal_[h] = new HouseCellLabel(HouseSector(picNatal_->rect(), h), picNatal_);
    lblNatal_[h]->setObjectName(Indexed("lblNatal", h));
    lblNatal_[h]->setGeometry(
        TwipsRect(place.cell_left, place.cell_top, kHouseCellWidth, kHouseCellHeight));
    lblNatal_[h]->setFont(cell_font);
    SetColour(lblNatal_[h], QPalette::WindowText, kCellInk);
    lblNatal_[h]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  }

  // The square styles take the wheel's place; the name of a divisional chart stands above,
  // over the line that names the zodiac and positions.
  picChart_ = new QWidget(this);
  picChart_->setObjectName(QStringLiteral("picChart"));
  picChart_->setGeometry(picNatal_->geometry());
  picChart_->hide();
  lblChartName_ =
      MakeLabel(this, QStringLiteral("lblChartName"),
                QRect(picNatal_->x(), 0, picNatal_->width(), Twips(kChartOptionsBox.top)),
                VerdanaFont(11, true), kNumberInk);
  lblChartName_->setAlignment(Qt::AlignCenter);
}

void frmDisplay::BuildDetails() {
  const QFont font = VerdanaFont(kLabelPoints, true);
  int design_number = 12;  // design captions, shown until Form_Load writes the birth details
  for (const DetailPlace& place : kDetailPlaces) {
    QLabel* label =
        MakeLabel(this, QLatin1String(place.name),
                  TwipsRect(kDetailsLeft, place.top, 1000, kDetailsHeight), font, kDetailInk);
    SetCaption(label, QStringLiteral("Label%1").arg(design_number++));
  }
}

void frmDisplay::BuildPositionsFrame() {
  fraWestern_ = new QGroupBox(TrText("frmDisplay", "Planetary Positions"), this);
  fraWestern_->setObjectName(QStringLiteral("fraWestern"));
  fraWestern_->setGeometry(Box(kWesternFrameBox));
  fraWestern_->setFont(VerdanaFont(kLabelPoints, true));

  const QFont font = VerdanaFont(kLabelPoints);
  for (const PlanetRow& row : kPlanetRows) {
    PlanetName_[row.name_index] =
        MakeLabel(fraWestern_, Indexed("PlanetName", row.name_index),
                  TwipsRect(kPlanetNameLeft, row.top, kPlanetNameWidth, kPlanetRowHeight), font);
    PlanetName_[row.name_index]->setText(TrText("frmDisplay", row.caption));
    Planet_[row.value_index] =
        MakeLabel(fraWestern_, Indexed("Planet", row.value_index),
                  TwipsRect(kPlanetValueLeft, row.top, kPlanetValueWidth, kPlanetRowHeight), font);
  }
}

void frmDisplay::BuildSignsFrame() {
  fraVedic_ = new QGroupBox(TrText("frmDisplay", "Other Details"), this);
  fraVedic_->setObjectName(QStringLiteral("fraVedic"));
  fraVedic_->setGeometry(Box(kVedicFrameBox));
  fraVedic_->setFont(VerdanaFont(kLabelPoints, true));

  const QFont font = VerdanaFont(kLabelPoints);
  for (const VedicRow& row : kVedicRows) {
    MakeLabel(fraVedic_, QLatin1String(row.caption_name),
              TwipsRect(row.caption_left, row.top, kVedicCaptionWidth, kVedicRowHeight), font)
        ->setText(TrText("frmDisplay", row.caption));
    MakeLabel(fraVedic_, QLatin1String(row.value_name),
              TwipsRect(row.value_left, row.top, kVedicValueWidth, kVedicRowHeight), font);
  }
  lblLagna_ = fraVedic_->findChild<QLabel*>(QStringLiteral("lblLagna"));
  lblRashi_ = fraVedic_->findChild<QLabel*>(QStringLiteral("lblRashi"));
}

// The holder of the last snapshot stays out of sight; the name and folder of the last saved
// image show below the wheel, since a save that succeeds says nothing else.
void frmDisplay::BuildStores() {
  Picture1_ = new QLabel(this);
  Picture1_->setObjectName(QStringLiteral("Picture1"));
  Picture1_->setGeometry(Box(kSnapshotBox));
  Picture1_->hide();

  txtFile_ = new QLineEdit(this);
  txtFile_->setObjectName(QStringLiteral("txtFile"));
  txtFile_->setGeometry(Box(kFileBox));
  txtFile_->setReadOnly(true);
  txtFile_->setPlaceholderText(TrText("frmDisplay", "Image file"));

  txtFolder_ = new QLineEdit(this);
  txtFolder_->setObjectName(QStringLiteral("txtFolder"));
  txtFolder_->setGeometry(Box(kFolderBox));
  txtFolder_->setReadOnly(true);
  txtFolder_->setPlaceholderText(TrText("frmDisplay", "Image folder"));
}

void frmDisplay::Form_Load(const BirthData& birth) {
  // Written in the design's order: the name, then the date, time and place lines.
  const std::array<QString, 8> lines = BirthDetailLines(birth);
  for (size_t i : {0, 4, 5, 6, 7, 1, 2, 3}) {
    // A month outside 1 to 12 has no name; the line then keeps its caption.
    if (lines[i].isEmpty()) continue;
    SetDetail(findChild<QLabel*>(QLatin1String(kDetailPlaces[i].name), Qt::FindDirectChildrenOnly),
              lines[i]);
  }
}

void frmDisplay::FillChart(const Chart& chart) {
  for (size_t h = 0; h < lblNatal_.size(); ++h) lblNatal_[h]->ShowCaption({}, DesignPlace(h));
  for (QLabel* cell : sign_cells_) SetCaption(cell, {});
  for (size_t i = 0; i < chart.PositionsTable.size(); ++i) {
    Planet_[i]->setText(TrLongitude(Text(chart.PositionsTable[i])));
    FitTranslatedText(Planet_[i]);
  }
  if (!chart.SunSign.empty()) {
    lblLagna_->setText(TrName(chart.SunSign));
    lblLagna_->setProperty(kEnglishText, Text(chart.SunSign));
  }
  lblRashi_->setText(TrName(chart.MoonSignName));
  lblRashi_->setProperty(kEnglishText, Text(chart.MoonSignName));
  for (size_t s = 0; s < sign_cells_.size(); ++s)
    SetCaption(sign_cells_[s], Text(chart.SignCells[s]));
  for (QLabel* cell : sign_cells_) cell->hide();
  chart_ = chart;
  ShowView();
  const ChartPage filled = MakeChartPage(birth_, chart, style_, 1, false);
  FillVedicDetails(this, filled);
  sky_ = filled.sky;
  FillSkyPanels(this, sky_);
  emit ChartFilled();
}

ChartView frmDisplay::View() const {
  ChartView view = MakeChartView(DivisionalChart(chart_, division_), birth_, division_, coloured_);
  if (transits_ && division_ == 1) return TransitChartView(std::move(view), *transits_);
  return view;
}

void frmDisplay::SetTransits(const std::optional<Transits>& transits) {
  transits_ = transits;
  ShowView();
  ShowTransitPositions(this, transits_);
  LeavePaintingToPage();
  emit TransitsShown();
}

void frmDisplay::ShowView() {
  const ChartView view = View();
  if (style_ == ChartStyle::Natal) {
    for (size_t h = 0; h < lblNatal_.size(); ++h) {
      lblNatal_[h]->ShowCaption(ShownCell(view.chart.HouseCells[h]), DesignPlace(h));
      SetColour(lblNatal_[h], QPalette::WindowText, HouseInk(view, static_cast<int>(h)));
    }
    for (size_t h = 0; h < imgSign_.size(); ++h)
      imgSign_[h]->SetPicture(view.chart.SignPictures[h]);
  }
  picNatal_->setVisible(style_ == ChartStyle::Natal);
  picChart_->setVisible(style_ != ChartStyle::Natal);
  lblChartName_->setText(division_ == 1 && !transits_ ? QString() : view.chart_name);
  update();
}

void frmDisplay::SetChartStyle(ChartStyle style) {
  style_ = style;
  ShowView();
}

void frmDisplay::SetDivision(int division) {
  if (!IsDivision(division)) return;
  division_ = division;
  ShowView();
}

void frmDisplay::SetColoured(bool coloured) {
  coloured_ = coloured;
  ShowView();
}

QImage frmDisplay::Snapshot() const { return snapshot_; }

void frmDisplay::SetSnapshot(const QImage& snapshot) {
  snapshot_ = snapshot;
  Picture1_->setPixmap(QPixmap::fromImage(snapshot));
}

void frmDisplay::SetSignCellColors(const std::array<QColor, 12>& colors) {
  for (size_t s = 0; s < sign_cells_.size(); ++s) {
    QPalette palette = sign_cells_[s]->palette();
    palette.setColor(QPalette::WindowText, colors[s]);
    sign_cells_[s]->setPalette(palette);
  }
}

}  // namespace quendal
