// The chart window's file commands: Save As Text (the reading file), Export Chart As Text,
// Save As JPEG and Print. The chart child's controls are found by their object names.
#pragma once

#include <QImage>
#include <QString>

#include "birth/chart_session.h"

class QWidget;

namespace quendal {

class frmDisplay;

// path with the extension of its file name replaced by extension (added when it has none);
// an empty path stays empty. Save As Text and Export share one last name this way without
// ever proposing the other kind of file.
QString WithExtension(const QString& path, const QString& extension);

// "Save &As Text": asks for a name (pre-filled with LastFileName as a .kdl), remembers it,
// writes the reading file of the session's last calculation. Each command returns the path it
// wrote, or an empty string.
QString SaveReadingAs(QWidget* parent, ChartSession& session);

// "&Export Chart As Text": asks for a name (pre-filled with LastFileName as a .txt), remembers it,
// writes the text export. lblLagna and lblRashi are read from chart_child when it has them.
QString ExportChartAsText(QWidget* parent, ChartSession& session, QWidget* chart_child);

// "Save As &JPEG": asks for a name and saves the chart child's snapshot under it.
QString SaveChartAsJpeg(QWidget* parent, frmDisplay* chart_child);

// Writes snapshot under a free name made from requested_path; txtFile (when
// update_file_field) and txtFolder of chart_child show the name and folder. True when an
// image was written, its path then in written_path when given.
bool SaveFormAsJpeg(QWidget* chart_child, const QImage& snapshot, const QString& requested_path,
                    bool update_file_field, QString* written_path = nullptr);

// The notice shown instead of the print dialog when no printer is installed; it names the
// window's File item that keeps the same as a PDF file (by object name) when it has one.
// what: "chart".
QString NoPrinterText(const QWidget* window, const QString& what,
                      const char* pdf_item = "mnuSaveAsPdf");

// "&Print": the print dialog, then the chart child's page scaled to fit the paper.
void PrintChart(QWidget* parent, frmDisplay* chart_child);

}  // namespace quendal
