// The about box: what the program is, where its maker lives, and the offer of branded
// editions. Modal; shown from the Help menus of the form and the chart window.
#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

namespace quendal {

class LinkLabel;

class frmAbout : public QDialog {
  Q_OBJECT

 public:
  explicit frmAbout(QWidget* parent = nullptr);

 private slots:
  void lblHomePage_Click();
  void lblCoBrand_Click();
  void cmdOK_Click();

 private:
  QLabel* picIcon = nullptr;
  QLabel* Label2 = nullptr;
  QFrame* Line1 = nullptr;
  QLabel* Label1 = nullptr;
  LinkLabel* lblHomePage = nullptr;
  QLabel* Label3 = nullptr;
  LinkLabel* lblCoBrand = nullptr;
  QFrame* Line2 = nullptr;
  QPushButton* cmdOK = nullptr;
};

// Shows the about box over parent and returns when it is closed.
void ShowAboutBox(QWidget* parent);

}  // namespace quendal
