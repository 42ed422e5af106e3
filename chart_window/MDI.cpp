#include "chart_window/MDI.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>
#include <array>
#include <cmath>
#include <vector>

#include "chart_window/chart_commands.h"
#include "chart_window/chart_layout.h"
#include "chart_window/chart_options_menu.h"
#include "chart_window/division_items.h"
#include "chart_window/transits_item.h"
#include "chart_window/frmDisplay.h"
#include "chart_window/pdf_output.h"
#include "chart_window/match_open.h"
#include "report/report_commands.h"
#include "shell/frmAbout.h"
#include "shell/links.h"
#include "ui_common/layout.h"
#include "ui_common/link_label.h"

namespace quendal {
namespace {

enum class Entry { Menu, Item, Separator, End };

// Items the window's design holds but switches off; enabling one is a matter of this flag.
constexpr bool kOff = false;

struct MenuEntry {
  Entry kind;
  const char* name = nullptr;
  const char* caption = nullptr;
  void (MDI::*handler)() = nullptr;
  bool enabled = true;
  bool checkable = false;
};

const MenuEntry kMenus[] = {
    {Entry::Menu, "mnuFile", "&File"},
    {Entry::Item, "mnuNew", "&New", &MDI::mnuNew_Click},
    {Entry::Separator},
    {Entry::Item, "mnuSaveAsText", "Save &As Text", &MDI::mnuSaveAsText_Click},
    {Entry::Item, "mnuSaveAsJpeg", "Save As &JPEG", &MDI::mnuSaveAsJpeg_Click},
    {Entry::Item, "mnuSaveAsPdf", "Save As P&DF", &MDI::mnuSaveAsPdf_Click},
    {Entry::Item, "mnuSaveReportAsPdf", "Save &Report As PDF...", &MDI::mnuSaveReportAsPdf_Click},
    {Entry::Separator},
    {Entry::Item, "mnuExport", "&Export Chart As Text", &MDI::mnuExport_Click},
    {Entry::Separator},
    {Entry::Item, "mnuMatch", "&Match With Saved Reading...", &MDI::mnuMatch_Click},
    {Entry::Separator},
    {Entry::Item, "mnuPrint", "&Print", &MDI::mnuPrint_Click},
    {Entry::Item, "mnuPrintReport", "Print &Report...", &MDI::mnuPrintReport_Click},
    {Entry::Separator},
    {Entry::Item, "mnuBack", "&Back", &MDI::mnuBack_Click},
    {Entry::Separator},
    {Entry::Item, "mnuExit", "E&xit", &MDI::mnuExit_Click},
    {Entry::End},

    {Entry::Menu, "mnuView", "&View"},
    {Entry::Item, "mnuToolBar", "&Toolbar", &MDI::mnuToolBar_Click, true, true},
    {Entry::Item, "mnuStatusBar", "&Status Bar", &MDI::mnuStatusBar_Click, true, true},
    {Entry::Separator},
    {Entry::Menu, "mnuChartStyle", "&Chart Style", nullptr, true},
    {Entry::Item, "mnuNorth", "&North Indian", &MDI::mnuNorth_Click, true, true},
    {Entry::Item, "mnuSouth", "&South Indian", &MDI::mnuSouth_Click, true, true},
    {Entry::Item, "mnuNatal", "&Natal Indian", &MDI::mnuNatal_Click, true, true},
    {Entry::End},
    {Entry::Menu, "mnuColor", "Colo&r Style", nullptr, true},
    {Entry::Item, "mnuColorOn", "O&n", &MDI::mnuColorOn_Click, true, true},
    {Entry::Item, "mnuColorOff", "O&ff", &MDI::mnuColorOff_Click, true, true},
    {Entry::End},
    {Entry::Separator},
    {Entry::Item, "mnuChart", "&Chart", &MDI::mnuChart_Click, true, true},
    {Entry::Menu, "mnuDivisionalCharts", "&Divisional Charts", nullptr, true},
    {Entry::Item, "mnuSub_Hora", "&Hora", &MDI::mnuSub_Hora_Click, true, true},
    {Entry::Item, "mnuSub_Drekkana", "&Drekkana", &MDI::mnuSub_Drekkana_Click, true, true},
    {Entry::Item, "mnuSub_Sapthamsa", "&Sapthamsa", &MDI::mnuSub_Sapthamsa_Click, true, true},
    {Entry::Item, "mnuSub_Navamsa", "&Navamsa", &MDI::mnuSub_Navamsa_Click, true, true},
    {Entry::Item, "mnuSub_Dasamsa", "&D&asamsa", &MDI::mnuSub_Dasamsa_Click, true, true},
    {Entry::Item, "mnuSub_Dwadasamsa", "D&wadasamsa", &MDI::mnuSub_Dwadasamsa_Click, true, true},
    {Entry::End},
    {Entry::End},

    {Entry::Menu, "mnuHelp", "&Help"},
    {Entry::Item, "mnuOnline", "&Online Help", &MDI::mnuOnline_Click},
    {Entry::Item, "mnuVisit", "&Visit Us Online", &MDI::mnuVisit_Click},
    {Entry::Separator},
    {Entry::Item, "mnuUpdate", "Check for Software &Update", &MDI::mnuUpdate_Click},
    {Entry::Separator},
    {Entry::Item, "mnuAbout", "&About Software", &MDI::mnuAbout_Click},
    {Entry::Item, "mnuDonate", "&Donate", &MDI::mnuDonate_Click},
    {Entry::Item, "mnuMakeMoney", "Make Money &Online", &MDI::mnuMakeMoney_Click, kOff},
    {Entry::End},
};

struct ToolButton {
  const char* key;
  const char* tip;
  const char* image;
};
constexpr std::array<ToolButton, 4> kToolButtons = {{
    {"New", "New chart", ":/toolbar_1_new.svg"},
    {"Save", "Save reading", ":/toolbar_2_save.svg"},
    {"Print", "Print", ":/toolbar_3_print.svg"},
    {"Help", "Online help", ":/toolbar_4_help.svg"},
}};

LinkLabel* MakeLink(QWidget* parent, const char* name, const QString& text, const QFont& font,
                    const QRect& geometry) {
  auto* label = new LinkLabel(text, parent);
  label->setObjectName(QLatin1String(name));
  label->setFont(font);
  label->setGeometry(geometry);
  return label;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption, int width) {
  auto* button = new QPushButton(QString::fromUtf8(caption), parent);
  button->setObjectName(QLatin1String(name));
  button->setGeometry(TwipsRect(0, 77, width, 400));
  return button;
}

int ToPixels(float twips) { return Twips(static_cast<int>(std::lround(twips))); }

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

void MDI::BuildMenus() {
  std::vector<QMenu*> open;
  for (const MenuEntry& entry : kMenus) {
    switch (entry.kind) {
      case Entry::Menu: {
        QMenu* menu = open.empty() ? menuBar()->addMenu(QString::fromUtf8(entry.caption))
                                   : open.back()->addMenu(QString::fromUtf8(entry.caption));
        menu->setObjectName(QLatin1String(entry.name));
        menu->menuAction()->setObjectName(QLatin1String(entry.name));
        menu->menuAction()->setEnabled(entry.enabled);
        open.push_back(menu);
        break;
      }
      case Entry::Item: {
        QAction* action = open.back()->addAction(QString::fromUtf8(entry.caption));
        action->setObjectName(QLatin1String(entry.name));
        action->setEnabled(entry.enabled);
        action->setCheckable(entry.checkable);
        // Handlers set their own check marks, as the toolbar toggle must read the mark it
        // had before the click; undo the toggle Qt makes on its own first.
        const auto handler = entry.handler;
        connect(action, &QAction::triggered, this, [this, action, handler] {
          if (action->isCheckable()) action->setChecked(!action->isChecked());
          (this->*handler)();
        });
        break;
      }
      case Entry::Separator:
        open.back()->addSeparator();
        break;
      case Entry::End:
        open.pop_back();
        break;
    }
  }
}

void MDI::BuildToolBar() {
  TB_ = addToolBar(QStringLiteral("Toolbar"));
  TB_->setObjectName(QStringLiteral("TB"));
  TB_->setMovable(false);
  TB_->setFloatable(false);
  TB_->setIconSize(QSize(20, 20));
  TB_->toggleViewAction()->setVisible(false);
  for (const ToolButton& button : kToolButtons) {
    QAction* action = TB_->addAction(QIcon(QLatin1String(button.image)), QLatin1String(button.key));
    action->setObjectName(QStringLiteral("TB_%1").arg(QLatin1String(button.key)));
    action->setData(QLatin1String(button.key));
    action->setToolTip(QLatin1String(button.tip));
  }
  connect(TB_, &QToolBar::actionTriggered, this, &MDI::TB_ButtonClick);
}

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
      MakeLink(picTop, "lblURL", QStringLiteral("Talk about your chart in the Quendal forum"),
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
                          QStringLiteral("Get a full analysis of this chart on the Quendal site"),
                          bold, TwipsRect(0, 495, 6795, 195));
  label1->setContentsMargins(Twips(120), 0, 0, 0);
  connect(label1, &LinkLabel::clicked, this, &MDI::Label1_Click);

  auto* full_brand = MakeLink(
      bar, "lblFullBrand", QStringLiteral("Your own edition of Quendal under your web site's name"),
      bold_underlined, TwipsRect(0, 0, 9585, 450));
  auto* cobrand =
      MakeLink(bar, "lblCobrand",
               QStringLiteral("Offer Quendal on your web site: ask for a co-branded edition"),
               bold_underlined, TwipsRect(0, 0, 9585, 450));
  for (LinkLabel* label : {full_brand, cobrand}) {
    SetColour(label, QPalette::Window, kBarColour);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setContentsMargins(Twips(120), 0, 0, 0);
  }
  connect(full_brand, &LinkLabel::clicked, this, &MDI::lblFullBrand_Click);
  connect(cobrand, &LinkLabel::clicked, this, &MDI::lblCobrand_Click);
  cobrand->raise();

  cmdSaveAsJPEG_ = MakeButton(bar, "cmdSaveAsJPEG", "Save As &JPEG", 1575);
  cmdBack_ = MakeButton(bar, "cmdBack", "&Back", 1095);
  cmdExit_ = MakeButton(bar, "cmdExit", "E&xit", 1095);
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
  // Computed in twips from the outer width in single precision; a narrow window gives
  // negative left edges, which are kept.
  const float width = static_cast<float>(frameGeometry().width() * 15);
  const float exit_left = width - 1095.0f - 300.0f;
  const float back_left = exit_left - 1095.0f - 100.0f;
  const float jpeg_left = back_left - 1575.0f - 100.0f;
  cmdExit_->move(ToPixels(exit_left), cmdExit_->y());
  cmdBack_->move(ToPixels(back_left), cmdBack_->y());
  cmdSaveAsJPEG_->move(ToPixels(jpeg_left), cmdSaveAsJPEG_->y());
  lblHeading_->move(ToPixels((width - 5070.0f) / 2.0f), lblHeading_->y());
  lblURL_->move(ToPixels((width - 5520.0f) / 2.0f), lblURL_->y());
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

void MDI::TB_ButtonClick(QAction* button) {
  if (!button) return;
  const QString key = button->data().toString();
  if (key == QLatin1String("New")) {
    mnuNew_Click();
  } else if (key == QLatin1String("Save")) {
    mnuSaveAsText_Click();
  } else if (key == QLatin1String("Print")) {
    mnuPrint_Click();
  } else if (key == QLatin1String("Help")) {
    mnuOnline_Click();  // the online help page
  }
}

void MDI::cmdSaveAsJPEG_Click() { mnuSaveAsJpeg_Click(); }
void MDI::mnuSaveAsJpeg_Click() { ShowSaved(SaveChartAsJpeg(this, display_)); }
void MDI::mnuSaveAsPdf_Click() { ShowSaved(SaveChartAsPdf(this, display_)); }
void MDI::mnuSaveAsText_Click() { ShowSaved(SaveReadingAs(this, session_)); }
void MDI::mnuExport_Click() { ShowSaved(ExportChartAsText(this, session_)); }
void MDI::mnuPrint_Click() { PrintChart(this, display_); }
void MDI::mnuSaveReportAsPdf_Click() { ShowSaved(SaveReportAsPdf(this, session_, display_)); }
void MDI::mnuPrintReport_Click() { PrintReport(this, session_, display_); }
void MDI::mnuMatch_Click() { MatchWithSavedReading(this, session_); }
void MDI::mnuOnline_Click() { OpenOnlineHelp(); }
void MDI::mnuVisit_Click() { OpenHomePage(); }
void MDI::mnuUpdate_Click() { OpenDownloadPage(); }
void MDI::mnuAbout_Click() { ShowAboutBox(this); }
void MDI::mnuDonate_Click() { OpenDonatePage(); }
void MDI::Label1_Click() { OpenHomePage(); }
void MDI::lblURL_Click() { OpenHomePage(); }
void MDI::lblFullBrand_Click() { OpenFullBrandPage(); }
void MDI::lblCobrand_Click() { OpenCoBrandPage(); }

// Opens the full-branding page, as lblFullBrand does.
void MDI::mnuMakeMoney_Click() { lblFullBrand_Click(); }

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
