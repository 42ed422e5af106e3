#include "shell/frmAbout.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "shell/links.h"
#include "shell/program_icon.h"
#include "ui_common/layout.h"
#include "ui_common/link_label.h"
#include "ui_common/translated_text.h"
#include "vedic/precise_engine.h"

namespace quendal {
namespace {

const QString kCaption = QStringLiteral("Quendal v1.85");

// Texts are looked up as the box is made: the language is installed after start-up.
QString MoreDetails() { return TrText("frmAbout", "Click here for more details."); }
// Says where it leads, so it is not read as a second "more details" about the offer below.
QString HomePageCaption() { return TrText("frmAbout", "Visit the Quendal home page"); }

QString ProgramText() {
  return TrText(
      "frmAbout",
      "Quendal is a free natal chart generator. From the date, time and place of birth it "
      "works out where the Sun, the Moon, the planets and the lunar nodes stood in the sky at "
      "the moment of birth, and sets them out as a chart in the terms of Indian astrology.");
}

QString BrandingText() {
  return TrText(
      "frmAbout",
      "Run a web site? Get a fully branded edition of Quendal, carrying your own name, logo "
      "and links, and give it to your visitors.");
}

QString SwissEphemerisCredit() {
  return TrText("frmAbout", "Precise positions: Swiss Ephemeris, \u00a9 Astrodienst AG, AGPL-3.0");
}

constexpr int kIconSize = 48;

QLabel* Paragraph(const QString& name, const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setWordWrap(true);
  label->setFont(VerdanaFont(8.25));
  return label;
}

// One line each, however long: a credit broken over lines reads as two.
QLabel* Credit(const QString& name, const QString& text, QWidget* parent) {
  QLabel* label = Paragraph(name, text, parent);
  label->setWordWrap(false);
  return label;
}

LinkLabel* Link(const QString& name, const QString& caption, QWidget* parent) {
  auto* label = new LinkLabel(caption, parent);
  label->setObjectName(name);
  label->setFont(VerdanaFont(8.25, false, true));
  label->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  return label;
}

QFrame* Separator(const QString& name, QWidget* parent) {
  auto* line = new QFrame(parent);
  line->setObjectName(name);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  return line;
}

}  // namespace

frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmAbout"));
  setWindowTitle(kCaption);
  setWindowIcon(ProgramIcon());
  setModal(true);

  picIcon = new QLabel(this);
  picIcon->setObjectName(QStringLiteral("picIcon"));
  picIcon->setPixmap(ProgramIcon().pixmap(QSize(kIconSize, kIconSize), devicePixelRatioF()));
  picIcon->setFixedSize(kIconSize, kIconSize);

  Label2 = new QLabel(kCaption, this);
  Label2->setObjectName(QStringLiteral("Label2"));
  Label2->setFont(VerdanaFont(12, true));

  Line1 = Separator(QStringLiteral("Line1"), this);
  Label1 = Paragraph(QStringLiteral("Label1"), ProgramText(), this);
  lblHomePage = Link(QStringLiteral("lblHomePage"), HomePageCaption(), this);
  Label3 = Paragraph(QStringLiteral("Label3"), BrandingText(), this);
  lblCoBrand = Link(QStringLiteral("lblCoBrand"), MoreDetails(), this);
  Line2 = Separator(QStringLiteral("Line2"), this);

  cmdOK = new QPushButton(TrText("frmAbout", "OK"), this);
  cmdOK->setObjectName(QStringLiteral("cmdOK"));
  cmdOK->setFont(VerdanaFont(8.25));
  cmdOK->setDefault(true);
  cmdOK->setMinimumWidth(Twips(1260));

  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(Twips(240), Twips(240), Twips(240), Twips(180));
  grid->setHorizontalSpacing(Twips(240));
  grid->setVerticalSpacing(Twips(90));
  grid->addWidget(picIcon, 0, 0, 1, 1, Qt::AlignTop);
  grid->addWidget(Label2, 0, 1, Qt::AlignVCenter);
  grid->addWidget(Line1, 1, 0, 1, 2);
  grid->addWidget(Label1, 2, 1);
  grid->addWidget(lblHomePage, 3, 1, Qt::AlignLeft);
  grid->addItem(new QSpacerItem(0, Twips(120)), 4, 1);
  grid->addWidget(Label3, 5, 1);
  grid->addWidget(lblCoBrand, 6, 1, Qt::AlignLeft);
  grid->addWidget(Line2, 7, 0, 1, 2);
  auto* buttons = new QHBoxLayout;
  auto* credits = new QVBoxLayout;  // the data and libraries compiled in, one a line
  if (PrecisePositionsBuilt())
    credits->addWidget(Credit(QStringLiteral("lblSwissEphemeris"), SwissEphemerisCredit(), this));
  credits->addWidget(Credit(
      "lblPlacesCredit", TrText("frmAbout", "Places: GeoNames (geonames.org), CC BY 4.0"), this));
  buttons->addLayout(credits);
  buttons->addStretch();
  buttons->addWidget(cmdOK);
  grid->addLayout(buttons, 8, 0, 1, 2);
  grid->setColumnMinimumWidth(1, Twips(5400));

  connect(lblHomePage, &LinkLabel::clicked, this, &frmAbout::lblHomePage_Click);
  connect(lblCoBrand, &LinkLabel::clicked, this, &frmAbout::lblCoBrand_Click);
  connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

  grid->setSizeConstraint(QLayout::SetFixedSize);
}

void frmAbout::lblHomePage_Click() { OpenHomePage(); }
void frmAbout::lblCoBrand_Click() { OpenCoBrandPage(); }
void frmAbout::cmdOK_Click() { accept(); }

void ShowAboutBox(QWidget* parent) {
  frmAbout box(parent);
  box.exec();
}

}  // namespace quendal
