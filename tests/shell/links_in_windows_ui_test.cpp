// The web links as a user reaches them: Help items, link labels and the toolbar's Help
// button of the birth-data form and the chart window, and the about box they open.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <functional>
#include <ostream>

#include "birth/chart_session.h"
#include "birth/frmMain.h"
#include "chart_window/MDI.h"
#include "chart_window/frmDisplay.h"
#include "moc_url_recorder.cpp"
#include "shell/frmAbout.h"
#include "shell/program_icon.h"
#include "shell/web_addresses.h"
#include "url_recorder.h"

// Readable failures: addresses as text rather than as UTF-16 code units.
void PrintTo(const QString& text, std::ostream* out) { *out << text.toStdString(); }

namespace quendal {
namespace {

enum class Window { Form, Chart };
enum class Control { MenuItem, Label, Offer, ToolButton };

struct Link {
  Window window;
  Control kind;
  const char* name;
  const char* page;
};

// Which control opens which page; the offers of the form share one frame, so each is
// clicked where the user sees it, after it was brought to the front.
const Link kLinks[] = {
    {Window::Form, Control::MenuItem, "mnuOnline", kOnlineHelpUrl},
    {Window::Form, Control::MenuItem, "mnuVisit", kHomePageUrl},
    {Window::Form, Control::MenuItem, "mnuUpdate", kDownloadPageUrl},
    {Window::Form, Control::MenuItem, "mnuDonate", kDonatePageUrl},
    {Window::Form, Control::Label, "Label8", kHomePageUrl},
    {Window::Form, Control::Offer, "lblCobrand", kCoBrandPageUrl},
    {Window::Form, Control::Offer, "lblFullBrand", kFullBrandPageUrl},
    {Window::Chart, Control::MenuItem, "mnuOnline", kOnlineHelpUrl},
    {Window::Chart, Control::MenuItem, "mnuVisit", kHomePageUrl},
    {Window::Chart, Control::MenuItem, "mnuUpdate", kDownloadPageUrl},
    {Window::Chart, Control::MenuItem, "mnuDonate", kDonatePageUrl},
    {Window::Chart, Control::ToolButton, "TB_Help", kOnlineHelpUrl},
    {Window::Chart, Control::Label, "Label1", kHomePageUrl},
    {Window::Chart, Control::Label, "lblURL", kHomePageUrl},
    {Window::Chart, Control::Label, "lblCobrand", kCoBrandPageUrl},
    {Window::Chart, Control::Label, "lblFullBrand", kFullBrandPageUrl},
};

std::string Describe(Window window, const char* name) {
  return std::string(window == Window::Form ? "frmMain." : "MDI.") + name;
}

QImage IconImage(const QIcon& icon) { return icon.pixmap(32, 32).toImage(); }

class LinksInWindows : public ::testing::Test {
 protected:
  void SetUp() override {
    // As main does; windows that set no icon of their own show this one.
    previous_icon_ = QApplication::windowIcon();
    QApplication::setWindowIcon(ProgramIcon());
    form_.show();
    chart_.show();
  }
  void TearDown() override { QApplication::setWindowIcon(previous_icon_); }

  QWidget& Of(Window window) {
    return window == Window::Form ? static_cast<QWidget&>(form_) : static_cast<QWidget&>(chart_);
  }

  // The chart child is a window of its own with its own names (it has a Label1 too).
  template <typename T>
  T* Find(Window window, const char* name) {
    T* found = nullptr;
    for (T* candidate : Of(window).findChildren<T*>(QLatin1String(name))) {
      const auto* widget = qobject_cast<const QWidget*>(candidate);
      if (!widget || !chart_.Display()->isAncestorOf(widget)) found = candidate;
    }
    EXPECT_NE(found, nullptr) << Describe(window, name);
    return found;
  }

  void Click(const Link& link) {
    switch (link.kind) {
      case Control::MenuItem:
        if (QAction* item = Find<QAction>(link.window, link.name)) item->trigger();
        return;
      case Control::Label:
        if (QLabel* label = Find<QLabel>(link.window, link.name)) {
          QTest::mouseClick(label, Qt::LeftButton);
        }
        return;
      case Control::Offer: {
        form_.RaiseOffer(QLatin1String(link.name) == QLatin1String("lblCobrand") ? 0 : 1);
        auto* frame = Find<QWidget>(Window::Form, "fraOffer");
        if (QWidget* front = frame ? frame->childAt(frame->rect().center()) : nullptr) {
          QTest::mouseClick(front, Qt::LeftButton, {},
                            front->mapFrom(frame, frame->rect().center()));
        }
        return;
      }
      case Control::ToolButton: {
        auto* toolbar = Find<QToolBar>(Window::Chart, "TB");
        QAction* button = Find<QAction>(Window::Chart, link.name);
        if (toolbar && button) QTest::mouseClick(toolbar->widgetForAction(button), Qt::LeftButton);
        return;
      }
    }
  }

  // Opens the about box with the window's own About item; while it shows, inspect runs on it
  // and then the box is closed with OK (or rejected, should OK fail, so nothing hangs).
  void WithAboutBox(Window window, const std::function<void(frmAbout&)>& inspect) {
    QObject guard;  // drops the timer if the item never gets as far as the box's own loop
    bool shown = false;
    QTimer::singleShot(0, &guard, [&] {
      QWidget* modal = QApplication::activeModalWidget();
      auto* box = qobject_cast<frmAbout*>(modal);
      if (!box) {
        if (modal) modal->close();
        return;
      }
      shown = true;
      inspect(*box);
      if (auto* ok = box->findChild<QPushButton*>(QStringLiteral("cmdOK"))) {
        QTest::mouseClick(ok, Qt::LeftButton);
      }
      if (box->isVisible()) {
        ADD_FAILURE() << "OK left the about box open";
        box->reject();
      }
    });
    Find<QAction>(window, "mnuAbout")->trigger();
    EXPECT_TRUE(shown) << Describe(window, "mnuAbout");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  }

  ChartSession form_session_;
  ChartSession chart_session_;
  frmMain form_{form_session_};
  MDI chart_{chart_session_};
  QIcon previous_icon_;
};

TEST_F(LinksInWindows, EveryItemLabelAndButtonOpensItsOwnPageOncePerClick) {
  for (const Link& link : kLinks) {
    test::UrlRecorder browser;
    Click(link);
    EXPECT_EQ(browser.Opened(), QStringList{link.page}) << Describe(link.window, link.name);
    Click(link);
    EXPECT_EQ(browser.Opened(), QStringList({link.page, link.page}))
        << Describe(link.window, link.name);
  }
}

TEST_F(LinksInWindows, MakeMoneyIsSwitchedOffYetItsHandlerOpensTheFullBrandPage) {
  for (Window window : {Window::Form, Window::Chart}) {
    QAction* item = Find<QAction>(window, "mnuMakeMoney");
    ASSERT_NE(item, nullptr);
    EXPECT_FALSE(item->isEnabled()) << Describe(window, "mnuMakeMoney");
    EXPECT_FALSE(item->isVisible()) << Describe(window, "mnuMakeMoney");
    test::UrlRecorder browser;
    if (window == Window::Form) {
      form_.mnuMakeMoney_Click();
    } else {
      chart_.mnuMakeMoney_Click();
    }
    EXPECT_EQ(browser.Opened(), QStringList{kFullBrandPageUrl}) << Describe(window, "mnuMakeMoney");
  }
}

// "&Online Help" is the only item of the Help menu whose key is O.
TEST_F(LinksInWindows, AltHThenOOpensTheOnlineHelpInBothWindows) {
  for (Window window : {Window::Form, Window::Chart}) {
    QWidget& shown = Of(window);
    shown.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&shown));
    test::UrlRecorder browser;
    QTest::keyClick(&shown, Qt::Key_H, Qt::AltModifier);
    QWidget* menu = QApplication::activePopupWidget();
    ASSERT_NE(menu, nullptr) << Describe(window, "mnuHelp");
    QTest::keyClick(menu, Qt::Key_O);
    EXPECT_EQ(browser.Opened(), QStringList{kOnlineHelpUrl}) << Describe(window, "mnuOnline");
    if (QWidget* still_open = QApplication::activePopupWidget()) still_open->close();
  }
}

TEST_F(LinksInWindows, AboutItemBlocksItsWindowWithABoxWhoseLinksOpenTheirPages) {
  for (Window window : {Window::Form, Window::Chart}) {
    test::UrlRecorder browser;
    bool modal_over_window = false;
    QImage icon;
    WithAboutBox(window, [&](frmAbout& box) {
      modal_over_window = box.isModal() && box.parentWidget() == &Of(window) &&
                          QApplication::activeModalWidget() == &box;
      icon = IconImage(box.windowIcon());
      for (const char* name : {"lblHomePage", "lblCoBrand"}) {
        QTest::mouseClick(box.findChild<QLabel*>(QLatin1String(name)), Qt::LeftButton);
      }
    });
    EXPECT_TRUE(modal_over_window) << Describe(window, "mnuAbout");
    EXPECT_EQ(browser.Opened(), QStringList({kHomePageUrl, kCoBrandPageUrl}));
    EXPECT_EQ(icon, IconImage(ProgramIcon()));
  }
}

TEST_F(LinksInWindows, BothWindowsShowTheProgramIcon) {
  const QImage program = IconImage(ProgramIcon());
  ASSERT_FALSE(program.isNull());
  for (Window window : {Window::Form, Window::Chart}) {
    EXPECT_EQ(IconImage(Of(window).windowIcon()), program) << Describe(window, "windowIcon");
  }
}

}  // namespace
}  // namespace quendal
