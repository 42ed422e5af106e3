#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "moc_url_recorder.cpp"
#include "shell/frmAbout.h"
#include "shell/web_addresses.h"
#include "url_recorder.h"

namespace quendal {
namespace {

template <typename T>
T* Control(QWidget& box, const char* name) {
  T* control = box.findChild<T*>(QLatin1String(name));
  EXPECT_NE(control, nullptr) << name;
  return control;
}

TEST(frmAbout, BlocksItsOwnerUntilOkAndThenReturns) {
  QWidget owner;
  owner.show();
  bool was_modal_over_owner = false;
  bool closed_by_ok = false;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<frmAbout*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    was_modal_over_owner = box->isModal() && box->parentWidget() == &owner;
    QTest::mouseClick(Control<QPushButton>(*box, "cmdOK"), Qt::LeftButton);
    closed_by_ok = !box->isVisible();
    if (!closed_by_ok) box->reject();  // keep a broken OK from hanging the run
  });
  ShowAboutBox(&owner);
  EXPECT_TRUE(was_modal_over_owner);
  EXPECT_TRUE(closed_by_ok);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(frmAbout, CaptionProductLineIconAndButton) {
  frmAbout box;
  EXPECT_EQ(box.windowTitle(), "Quendal v1.85");
  EXPECT_EQ(Control<QLabel>(box, "Label2")->text(), "Quendal v1.85");
  EXPECT_EQ(Control<QPushButton>(box, "cmdOK")->text(), "OK");
  // The icon is compiled into the program; a missing resource would leave this empty.
  EXPECT_FALSE(Control<QLabel>(box, "picIcon")->pixmap().isNull());
  for (const char* name : {"Label1", "Label3"}) {
    EXPECT_FALSE(Control<QLabel>(box, name)->text().isEmpty()) << name;
  }
  for (const char* name : {"Line1", "Line2"}) Control<QWidget>(box, name);
  EXPECT_EQ(Control<QLabel>(box, "lblPlacesCredit")->text(),
            "Places: GeoNames (geonames.org), CC BY 4.0");
}

TEST(frmAbout, EachLinkLabelOpensItsPageOncePerClick) {
  frmAbout box;
  box.show();
  struct Link {
    const char* name;
    const char* caption;
    const char* address;
  };
  for (const Link link : {Link{"lblHomePage", "Visit the Quendal home page", kHomePageUrl},
                          Link{"lblCoBrand", "Click here for more details.", kCoBrandPageUrl}}) {
    test::UrlRecorder browser;
    auto* label = Control<QLabel>(box, link.name);
    EXPECT_EQ(label->text(), link.caption);
    QTest::mouseClick(label, Qt::LeftButton);
    QTest::mouseClick(label, Qt::LeftButton);
    EXPECT_EQ(browser.Opened(), QStringList({link.address, link.address}));
  }
  EXPECT_TRUE(box.isVisible());
}

TEST(frmAbout, ReleasingOutsideALinkLabelOpensNothing) {
  frmAbout box;
  box.show();
  test::UrlRecorder browser;
  auto* label = Control<QLabel>(box, "lblHomePage");
  QTest::mousePress(label, Qt::LeftButton);
  QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(label->width() + 20, 2));
  EXPECT_TRUE(browser.Opened().isEmpty());
}

}  // namespace
}  // namespace quendal
