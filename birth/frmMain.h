// The birth-data form: the only place where a birth is entered, and the start of every chart.
#pragma once

#include <QMainWindow>
#include <vector>

#include "chart/birth_data.h"
#include "birth/chart_session.h"
#include "birth/form_values.h"
#include "birth/validation.h"

class QAction;
class QCheckBox;
class QComboBox;
class QPushButton;
class QRadioButton;

namespace quendal {

class FilteredLineEdit;
class LinkLabel;
class PlacePicker;

class frmMain : public QMainWindow {
  Q_OBJECT

 public:
  explicit frmMain(ChartSession& session, QWidget* parent = nullptr);

  // The form as ValidateInput sees it, and as the driver stores it (zone row not yet applied).
  FormValues CurrentValues() const;
  // Puts values into the controls: a list keeps its selection when no item matches; texts
  // bypass the keystroke filters, which judge only what a person types.
  void SetValues(const FormValues& values);
  FormEntry CurrentEntry() const;
  BirthData BirthDataFromForm(const BirthData& previous) const;

  // Brings lblCobrand (0) or lblFullBrand (1) to the front of the offer frame.
  void RaiseOffer(int which);
  void RaiseRandomOffer();

 signals:
  // The chart of the entry is in the session; the chart window is to show it.
  void ChartCalculated();
  void ExitRequested();

 public slots:
  void cmdCalculate_Click();
  void mnuCalculate_Click();
  void mnuExit_Click();
  void cmdOpen_Click();  // fills the form from a reading file, then calculates
  // The coordinate lookup and the web links.
  void Command1_Click();
  void mnuOnline_Click();
  void mnuVisit_Click();
  void mnuUpdate_Click();
  void mnuAbout_Click();
  void mnuDonate_Click();
  void mnuMakeMoney_Click();
  void Label8_Click();
  void lblCobrand_Click();
  void lblFullBrand_Click();

 protected:
  void closeEvent(QCloseEvent* event) override;
  // Enter that no control took presses the default button, as in a dialog.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void BuildControls();
  void FindControls();  // the members of the controls BuildControls made
  void BuildMenus();
  void FillLists();  // Form_Load
  void SetTabOrder();
  void ApplyFocusRule(FormField field);

  ChartSession& session_;
  PlacePicker* place_picker_ = nullptr;
  std::vector<QWidget*> controls_;  // one per entry of the form's controls table

  FilteredLineEdit* txtName = nullptr;
  QComboBox* cboMonth = nullptr;
  QComboBox* cboDate = nullptr;
  QComboBox* cboYear = nullptr;
  QComboBox* cboHour = nullptr;
  QComboBox* cboMinute = nullptr;
  QComboBox* cboTimeZone = nullptr;
  QCheckBox* chkDST = nullptr;
  FilteredLineEdit* txtCity = nullptr;
  FilteredLineEdit* txtState = nullptr;
  FilteredLineEdit* txtCountry = nullptr;
  FilteredLineEdit* txtLatD = nullptr;
  FilteredLineEdit* txtLatM = nullptr;
  FilteredLineEdit* txtLonD = nullptr;
  FilteredLineEdit* txtLonM = nullptr;
  QRadioButton* optLatSouth[2] = {};
  QRadioButton* optLongEast[2] = {};
  QPushButton* Command1 = nullptr;
  QPushButton* cmdOpen = nullptr;
  QPushButton* cmdCalculate = nullptr;
  LinkLabel* Label8 = nullptr;
  LinkLabel* lblCobrand = nullptr;
  LinkLabel* lblFullBrand = nullptr;
};

}  // namespace quendal
