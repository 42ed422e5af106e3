// Every caption and menu text of the four windows, character for character, "&" included:
// a mnemonic moved or an "&&" lost changes what the user reads and which Alt key works.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>

#include "birth/chart_session.h"
#include "birth/frmMain.h"
#include "chart_window/MDI.h"
#include "chart_window/frmDisplay.h"
#include "positions/time_zones.h"
#include "shell/frmAbout.h"

namespace quendal {
namespace {

// The text a control shows, whatever its kind; "<missing>" when no control has the name.
QString CaptionOf(const QWidget& window, const char* name) {
  if (!*name) return window.windowTitle();
  const QString object_name = QString::fromLatin1(name);
  if (auto* action = window.findChild<QAction*>(object_name)) return action->text();
  if (auto* menu = window.findChild<QMenu*>(object_name)) return menu->title();
  if (auto* button = window.findChild<QAbstractButton*>(object_name)) return button->text();
  if (auto* label = window.findChild<QLabel*>(object_name)) return label->text();
  if (auto* frame = window.findChild<QGroupBox*>(object_name)) return frame->title();
  return QStringLiteral("<missing>");
}

// Each entry is "objectName=caption"; an empty name stands for the window's own caption.
void ExpectCaptions(const QWidget& window, std::initializer_list<const char*> captions) {
  for (const char* entry : captions) {
    const QByteArray name = QByteArray(entry).left(QByteArray(entry).indexOf('='));
    EXPECT_EQ(CaptionOf(window, name.constData()).toStdString(), entry + name.size() + 1)
        << window.objectName().toStdString() << "." << name.constData();
  }
}

TEST(WindowCaptions, BirthDataForm) {
  ChartSession session;
  frmMain form(session);
  ExpectCaptions(
      form,
      {"=Quendal v1.85", "chkDST=Daylight Saving Time", "optLatSouth_0=North",
       "optLatSouth_1=South", "optLongEast_0=East", "optLongEast_1=West",
       // Two ampersands show as one and give no Alt key.
       "Command1=Click here to find Latitude && Longitude",
       "cmdOpen=&Open Previously Saved Reading", "cmdCalculate=Get My Natal &Chart",
       "mnuFile=&File", "mnuCalculate=Get My Natal &Chart", "mnuExit=&Exit", "mnuHelp=&Help",
       "mnuOnline=&Online Help", "mnuVisit=&Visit Us Online",
       "mnuUpdate=Check for Software &Update", "mnuAbout=&About Software", "mnuDonate=Donate",
       "mnuMakeMoney=Make Money &Online",
       "lblFullBrand=Home Business Opportunity. Start your own Internet business and make money "
       "online. Get this software fully branded for your website. Click here for more details."});
  QStringList shown;
  for (const QLabel* label : form.findChildren<QLabel*>()) shown << label->text();
  for (const char* row : {"Name:", "Birthday:", "Time Of Birth:", "HH/MM/SS", "Time Zone:",
                          "Latitude:", "DEG/MIN", "Longitude:", "City:", "State:", "Country:"}) {
    EXPECT_TRUE(shown.contains(QString::fromLatin1(row))) << row;
  }
}

TEST(WindowCaptions, TheZoneListHoldsTheSeventyOneZonesInTableOrder) {
  ChartSession session;
  frmMain form(session);
  const QComboBox* zones = form.findChild<QComboBox*>(QStringLiteral("cboTimeZone"));
  ASSERT_NE(zones, nullptr);
  // The rows as the table writes them: irregular blanks after some commas, repeats and all.
  QStringList expected;
  for (std::string_view zone : FillTimeZoneTable().TimeZoneNames)
    expected << QString::fromLatin1(zone.data(), static_cast<qsizetype>(zone.size()));
  ASSERT_EQ(expected.size(), 71);
  QStringList listed;
  for (int row = 0; row < zones->count(); ++row) listed << zones->itemText(row);
  EXPECT_EQ(listed, expected);
}

TEST(WindowCaptions, ChartWindow) {
  ChartSession session;
  MDI window(session);
  ExpectCaptions(window, {"=Quendal v1.85",
                          "lblHeading=Quendal",
                          "cmdSaveAsJPEG=Save As &JPEG",
                          "cmdBack=&Back",
                          "cmdExit=E&xit",
                          "mnuFile=&File",
                          "mnuNew=&New",
                          "mnuSaveAsText=Save &As Text",
                          "mnuSaveAsJpeg=Save As &JPEG",
                          "mnuSaveAsPdf=Save As P&DF",
                          "mnuSaveReportAsPdf=Save &Report As PDF...",
                          "mnuExport=&Export Chart As Text",
                          "mnuMatch=&Match With Saved Reading...",
                          "mnuPrint=&Print",
                          "mnuPrintReport=Print &Report...",
                          "mnuBack=&Back",
                          "mnuExit=E&xit",
                          "mnuView=&View",
                          "mnuToolBar=&Toolbar",
                          "mnuStatusBar=&Status Bar",
                          "mnuChartStyle=&Chart Style",
                          "mnuNorth=&North Indian",
                          "mnuSouth=&South Indian",
                          "mnuNatal=&Natal Indian",
                          "mnuColor=Colo&r Style",
                          "mnuColorOn=O&n",
                          "mnuColorOff=O&ff",
                          "mnuChart=&Chart",
                          "mnuDivisionalCharts=&Divisional Charts",
                          "mnuSub_Hora=&Hora",
                          "mnuSub_Drekkana=&Drekkana",
                          "mnuSub_Sapthamsa=&Sapthamsa",
                          "mnuSub_Navamsa=&Navamsa",
                          "mnuSub_Dasamsa=&D&asamsa",
                          "mnuSub_Dwadasamsa=D&wadasamsa",
                          "mnuZodiac=&Zodiac",
                          "mnuTropical=&Tropical",
                          "mnuSidereal=&Sidereal (Lahiri)",
                          "mnuPositions=&Positions",
                          "mnuClassic=&Classic formulas",
                          "mnuPrecise=&Precise (Swiss Ephemeris)",
                          "mnuDasha=&Dasha",
                          "mnuHelp=&Help",
                          "mnuOnline=&Online Help",
                          "mnuVisit=&Visit Us Online",
                          "mnuUpdate=Check for Software &Update",
                          "mnuAbout=&About Software",
                          "mnuDonate=&Donate",
                          "mnuMakeMoney=Make Money &Online"});
}

TEST(WindowCaptions, ChartChild) {
  frmDisplay child{BirthData{}};
  ExpectCaptions(child, {"=Quendal v1.75",
                         "fraWestern=Planetary Positions",
                         "PlanetName_0=Sun",
                         "PlanetName_1=Moon",
                         "PlanetName_2=Mercury",
                         "PlanetName_3=Venus",
                         "PlanetName_4=Mars",
                         "PlanetName_5=Jupiter",
                         "PlanetName_6=Saturn",
                         "PlanetName_7=Uranus",
                         "PlanetName_8=Neptune",
                         "PlanetName_9=Pluto",
                         "PlanetName_10=Rahu / North Node",
                         "PlanetName_11=Ketu / South Node",
                         "PlanetName_12=P_of_F",
                         "PlanetName_13=North Node",
                         "PlanetName_14=South Node",
                         "PlanetName_15=Asc",
                         "fraVedic=Other Details",
                         "Label1=Sun Sign",
                         "Label17=Moon Sign",
                         "Label5=Nakshatra",
                         "Label2=Pada",
                         "Label6=Lord",
                         "Label4=Ayanamsha",
                         "Label3=Lagna Position"});
  for (int index = 0; index < 12; ++index) {  // house numbers; index 0 is the twelfth house
    const QByteArray name = "lblNatalPosition_" + QByteArray::number(index);
    EXPECT_EQ(CaptionOf(child, name.constData()), QString::number(index == 0 ? 12 : index));
  }
}

TEST(WindowCaptions, AboutBox) {
  frmAbout box;
  ExpectCaptions(
      box, {"=Quendal v1.85", "Label2=Quendal v1.85", "lblCoBrand=Click here for more details.",
            "lblHomePage=Visit the Quendal home page", "cmdOK=OK"});
}

}  // namespace
}  // namespace quendal
