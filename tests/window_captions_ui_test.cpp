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

// The zone list as written: irregular blanks after some commas, repeated rows and all.
const char* const kZones[] = {"Alaska/Hawaii Daylight Time,AHDT,-9.0",
                              "Alaska/Hawaii Standard Time,AHST,-10.0",
                              "Alaska/Hawaii War Time,AHWT,-9.0",
                              "Atlantic Standard Time,AST,-4.0",
                              "Atlantic War Time,AWT,-3.0",
                              "Australian Central Daylight Time,ACDT,+10.5",
                              "Australian Central Standard Time,ACST,+9.5",
                              "Australian Eastern Daylight Time,AEDT,+11.0",
                              "Australian Eastern Standard Time,AEST,+10.0",
                              "Australian Western Daylight Time,AWDT,+9.0",
                              "Australian Western Standard Time,AWST,+8.0",
                              "Azores Time, AT, -2.0",
                              "Baghdad Time, BAT, +3.0",
                              "Bering Standard Time,BET,-11.0",
                              "Brazil Zone 2,BZT2,-3.0",
                              "British Double Summer Time,BDST,+2.0",
                              "British Summer Time,BST,+1.0",
                              "British War Time,BWT,+2.0",
                              "Central Daylight Time,CDT,-5.0",
                              "Central European Daylight,CED,+2.0",
                              "Central European Time,CET,+1.0",
                              "Central Standard Time,CST,-6.0",
                              "Central War Time,CWT,-5.0",
                              "China Coast Time,CCT,+8.0",
                              "Eastern Daylight Time,EDT,-4.0",
                              "Eastern European Daylight Time,EED,+3.0",
                              "Eastern European Time,EET,+2.0",
                              "Eastern Standard Time,EST,-5.0",
                              "Eastern War Time,EWT,-4.0",
                              "Greenwich Mean Time,GMT,0.0",
                              "Guam Standard Time,GST,+10.0",
                              "Hawaiian Daylight Time,HDT,-9.5",
                              "Hawaiian Standard Time,HST,-10.5",
                              "Hawaiian War Time,HWT,-9.5",
                              "Indian Time, IST, +5.3",
                              "Int'l Date Line East,IDLE,+12.0",
                              "Int'l Date Line West,IDLW,-12.0",
                              "Iran Time, IT, +3.5",
                              "Japan Standard Time,JST,+9.0",
                              "Java Time, JT, +7.5",
                              "Middle European Daylight Time,MED,+2.0",
                              "Middle European Time,MET,+1.0",
                              "Moluccas Time, MT, +8.5",
                              "Mountain Daylight Time,MDT,-6.0",
                              "Mountain Standard Time,MST,-7.0",
                              "Mountain War Time,MWT,-6.0",
                              "New Zealand Std Summer Time,NZST,+13.0",
                              "New Zealand Std Time,NZT,+12.0",
                              "New Zealand Summer Time,NZS,+12.5",
                              "New Zealand Time,NZ,+11.5",
                              "Newfoundland Standard Time,NST,-3.5",
                              "Nome Time, NT, -11.0",
                              "North Sumatra Time,NST,+6.5",
                              "Pacific Daylight Time,PDT,-7.0",
                              "Pacific Standard Time,PST,-8.0",
                              "Pacific War Time,PWT,-7.0",
                              "South Australia Daylight Time,SAD,+10.5",
                              "South Australia Daylight Time,SDT,+10.5",
                              "South Australia Standard Time,SAST,+9.5",
                              "South Australia Standard Time,SAT,+9.5",
                              "South Sumatra Time,SST,+7.0",
                              "Universal Time, UT, 0.0",
                              "USSR Zone 10,UZ10,+11.0",
                              "USSR Zone 3,USZ3,+4.0",
                              "USSR Zone 4,USZ4,+5.0",
                              "USSR Zone 5,USZ5,+6.0",
                              "USSR Zone 6,USZ6,+7.0",
                              "West Africa Time,WAT,-1.0",
                              "Yukon Daylight Time,YDT,-8.0",
                              "Yukon Standard Time,YST,-9.0",
                              "Yukon War Time,YWT,-8.0"};

TEST(WindowCaptions, TheZoneListHoldsTheSeventyOneZonesInTableOrder) {
  ChartSession session;
  frmMain form(session);
  const QComboBox* zones = form.findChild<QComboBox*>(QStringLiteral("cboTimeZone"));
  ASSERT_NE(zones, nullptr);
  QStringList expected;
  for (const char* zone : kZones) expected << QString::fromLatin1(zone);
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
