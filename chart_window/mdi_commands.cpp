// The chart window's file commands (reading file, export, image, PDF, print, report,
// match) and its web links.
#include "chart_window/MDI.h"
#include "chart_window/chart_commands.h"
#include "chart_window/frmDisplay.h"
#include "chart_window/match_open.h"
#include "chart_window/pdf_output.h"
#include "positions/zone_line.h"
#include "report/report_commands.h"
#include "shell/frmAbout.h"
#include "shell/links.h"

namespace quendal {

void MDI::cmdSaveAsJPEG_Click() { mnuSaveAsJpeg_Click(); }
void MDI::mnuSaveAsJpeg_Click() { ShowSaved(SaveChartAsJpeg(this, display_)); }
void MDI::mnuSaveAsPdf_Click() {
  const QString zone =
      QString::fromStdString(ZoneLine(session_.zone_row, session_.birth_data.DaylightSaving));
  ShowSaved(SaveChartAsPdf(this, display_, {zone}));
}
void MDI::mnuSaveAsText_Click() { ShowSaved(SaveReadingAs(this, session_)); }
void MDI::mnuExport_Click() { ShowSaved(ExportChartAsText(this, session_, display_)); }
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

}  // namespace quendal
