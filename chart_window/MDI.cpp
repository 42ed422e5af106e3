#include "chart_window/MDI.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

#include "chart_window/bar_places.h"
#include "drawing/chart_layout.h"
#include "chart_window/chart_options_menu.h"
#include "chart_window/division_items.h"
#include "chart_window/frmDisplay.h"
#include "chart_window/transits_item.h"
#include "ui_common/language.h"
#include "ui_common/language_menu.h"
#include "ui_common/layout.h"
#include "ui_common/link_label.h"
#include "ui_common/translated_text.h"

namespace quendal {
namespace {

LinkLabel* MakeLink(QWidget* parent, const char* name, const QString& text, const QFont& font,
                    const QRect& geometry) {
  auto* label = new LinkLabel(text, parent);
  label->setObjectName(QLatin1String(name));
  label->setFont(font);
  label->setGeometry(geometry);
  return label;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption, int width) {
  auto* button = new QPushButton(TrText("MDI", caption), parent);
  button->setObjectName(QLatin1String(name));
  button->setGeometry(TwipsRect(0, 77, width, 400));
  // A translation longer than the English caption widens its button, never the English one.
  if (CurrentLanguage() != QLatin1String("en") && button->sizeHint().width() > button->width())
    button->resize(button->sizeHint().width(), button->height());
  return button;
}

}  // namespace

MDI::MDI(ChartSession& session, QWidget* parent) : QMainWindow(parent), session_(session) {
  setObjectName(QStringLiteral("MDI"));
  setWindowTitle(QStringLiteral("Quendal v1.85"));
  setContextMenuPolicy(Qt::NoContextMenu);  // the toolbar is toggled by its menu item only
  SetColour(this, QPalette::Window, Qt::white);

  BuildMenus();
  AddDivisionItems(findChild<QMenu*>(QStringLiteral("mnuDivisionalCharts")), this,
                   [this](int division) { ShowDivision(division); });
  new ChartOptionsMenu(this, findChild<QMenu*>(QStringLiteral("mnuView")), session_,
                       [this] { return display_.data(); });
  new TransitsItem(this, findChild<QMenu*>(QStringLiteral("mnuView")), session_,
                   [this] { return display_.data(); });
  BuildToolBar();

  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("MDIClient"));
  auto* column = new QVBoxLayout(client);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  BuildTopBar(client);
  scroll_ = new QScrollArea(client);
  scroll_->setObjectName(QStringLiteral("ChartArea"));
  scroll_->setFrameShape(QFrame::NoFrame);
  scroll_->setAlignment(Qt::AlignCenter);
  scroll_->setMinimumSize(0, 0);
  SetColour(scroll_->viewport(), QPalette::Window, Qt::white);
  BuildBottomBar(client);
  column->addWidget(findChild<QWidget*>(QStringLiteral("picTop")));
  column->addWidget(scroll_, 1);
  column->addWidget(findChild<QWidget*>(QStringLiteral("Picture1")));
  setCentralWidget(client);

  BuildStatusBar();
  AddLanguageMenu(menuBar(), this, findChild<QMenu*>(QStringLiteral("mnuHelp")));
  // Switched off for good, so not drawn: it would share its O with "&Online Help".
  Item("mnuMakeMoney")->setVisible(false);
  LoadDisplay();
  MDIForm_Load();

  // Room for the whole chart child where the screen allows; smaller windows scroll.
  QSize wanted(Twips(kDisplayWidthTwips) + 8,
               menuBar()->sizeHint().height() + TB_->sizeHint().height() + Twips(850) +
                   Twips(kDisplayHeightTwips) + Twips(720) + statusBar()->sizeHint().height() + 8);
  resize(wanted);
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect available = screen->availableGeometry();
    resize(wanted.boundedTo(available.size() - QSize(40, 60)));
    move(available.center() - rect().center());
  }
  MDIForm_Resize();
}

frmDisplay* MDI::Display() const { return display_; }

void MDI::BuildTopBar(QWidget* parent) {
  auto* picTop = new QWidget(parent);
  picTop->setObjectName(QStringLiteral("picTop"));
  picTop->setFixedHeight(Twips(850));
  picTop->setMinimumWidth(0);
  SetColour(picTop, QPalette::Window, kBarColour);

  lblHeading_ = new QLabel(QStringLiteral("Quendal"), picTop);
  lblHeading_->setObjectName(QStringLiteral("lblHeading"));
  lblHeading_->setFont(VerdanaFont(18, true));
  lblHeading_->setAlignment(Qt::AlignCenter);
  lblHeading_->setGeometry(TwipsRect(4815, 0, 5070, 435));

  auto* url =
      MakeLink(picTop, "lblURL", TrText("MDI", "Talk about your chart in the Quendal forum"),
               VerdanaFont(8.25, false, true), TwipsRect(4635, 370, 5520, 390));
  url->setAlignment(Qt::AlignCenter);
  connect(url, &LinkLabel::clicked, this, &MDI::lblURL_Click);
  lblURL_ = url;
}

void MDI::BuildBottomBar(QWidget* parent) {
  auto* bar = new QWidget(parent);
  bar->setObjectName(QStringLiteral("Picture1"));
  bar->setFixedHeight(Twips(720));
  bar->setMinimumWidth(0);
  SetColour(bar, QPalette::Window, kBarColour);

  const QFont bold = VerdanaFont(8.25, true);
  const QFont bold_underlined = VerdanaFont(8.25, true, true);
  auto* label1 = MakeLink(bar, "Label1",
                          TrText("MDI", "Get a full analysis of this chart on the Quendal site"),
                          bold, TwipsRect(0, 495, 6795, 195));
  label1->setContentsMargins(Twips(120), 0, 0, 0);
  connect(label1, &LinkLabel::clicked, this, &MDI::Label1_Click);

  auto* full_brand = MakeLink(
      bar, "lblFullBrand", TrText("MDI", "Your own edition of Quendal under your web site's name"),
      bold_underlined, TwipsRect(0, 0, 9585, 450));
  auto* cobrand =
      MakeLink(bar, "lblCobrand",
               TrText("MDI", "Offer Quendal on your web site: ask for a co-branded edition"),
               bold_underlined, TwipsRect(0, 0, 9585, 450));
  for (LinkLabel* label : {full_brand, cobrand}) {
    SetColour(label, QPalette::Window, kBarColour);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setContentsMargins(Twips(120), 0, 0, 0);
  }
  connect(full_brand, &LinkLabel::clicked, this, &MDI::lblFullBrand_Click);
  connect(cobrand, &LinkLabel::clicked, this, &MDI::lblCobrand_Click);
  cobrand->raise();

  cmdSaveAsJPEG_ =
      MakeButton(bar, "cmdSaveAsJPEG", QT_TRANSLATE_NOOP("MDI", "Save As &JPEG"), 1575);
  cmdBack_ = MakeButton(bar, "cmdBack", QT_TRANSLATE_NOOP("MDI", "&Back"), 1095);
  cmdExit_ = MakeButton(bar, "cmdExit", QT_TRANSLATE_NOOP("MDI", "E&xit"), 1095);
  connect(cmdSaveAsJPEG_, &QPushButton::clicked, this, &MDI::cmdSaveAsJPEG_Click);
  connect(cmdBack_, &QPushButton::clicked, this, &MDI::cmdBack_Click);
  connect(cmdExit_, &QPushButton::clicked, this, &MDI::cmdExit_Click);
}

void MDI::LoadDisplay() {
  if (display_) return;
  display_ = new frmDisplay(session_.birth_data);
  scroll_->setWidget(display_);
  connect(display_, &frmDisplay::ChartFilled, this, &MDI::UpdateStatusBar);
  connect(display_, &frmDisplay::TransitsShown, this, &MDI::UpdateStatusBar);
}

QAction* MDI::Item(const char* name) const { return findChild<QAction*>(QLatin1String(name)); }

void MDI::MDIForm_Load() {
  Item("mnuToolBar")->setChecked(true);
  LoadViewMenu();
  TB_->show();
  navigating_ = false;
}

void MDI::MDIForm_Activate() {
  LoadDisplay();
  display_->SetSnapshot(display_->grab().toImage());
}

void MDI::MDIForm_Resize() {
  const BarPlaces places = BarPlacesFor(frameGeometry().width());
  cmdExit_->move(places.exit_left, cmdExit_->y());
  cmdBack_->move(places.back_left, cmdBack_->y());
  cmdSaveAsJPEG_->move(places.jpeg_left, cmdSaveAsJPEG_->y());
  if (CurrentLanguage() != QLatin1String("en")) {
    // Widened buttons keep the design's right edge and gaps.
    const int right = places.exit_left + Twips(1095);
    cmdExit_->move(right - cmdExit_->width(), cmdExit_->y());
    cmdBack_->move(cmdExit_->x() - Twips(100) - cmdBack_->width(), cmdBack_->y());
    cmdSaveAsJPEG_->move(cmdBack_->x() - Twips(100) - cmdSaveAsJPEG_->width(), cmdSaveAsJPEG_->y());
  }
  lblHeading_->move(places.heading_left, lblHeading_->y());
  lblURL_->move(places.url_left, lblURL_->y());
}

void MDI::cmdBack_Click() {
  navigating_ = true;
  close();
  emit BackRequested();
}

void MDI::mnuBack_Click() { cmdBack_Click(); }

void MDI::mnuNew_Click() {
  navigating_ = true;
  QPointer<MDI> self(this);
  emit NewRequested();
  if (self) close();
}

void MDI::cmdExit_Click() {
  if (exit_requested_) return;
  exit_requested_ = true;
  emit ExitRequested();
}

void MDI::mnuExit_Click() { cmdExit_Click(); }

void MDI::mnuToolBar_Click() {
  QAction* item = Item("mnuToolBar");
  if (item->isChecked()) {
    item->setChecked(false);
    TB_->hide();
  } else {
    item->setChecked(true);
    TB_->show();
  }
}

bool MDI::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) MDIForm_Activate();
  return QMainWindow::event(event);
}

void MDI::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  MDIForm_Resize();
}

void MDI::showEvent(QShowEvent* event) {
  navigating_ = false;
  QMainWindow::showEvent(event);
}

void MDI::closeEvent(QCloseEvent* event) {
  event->accept();
  if (navigating_ || exit_requested_) return;
  exit_requested_ = true;
  emit ExitRequested();
}

}  // namespace quendal
