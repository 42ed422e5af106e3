// The chart page as a one-page vector PDF: the chart child (the chart in its style, the birth
// details and the positions beside it) scaled onto an A4 or Letter page.
#pragma once

#include <QPageSize>
#include <QString>

class QIODevice;
class QWidget;

namespace quendal {

class frmDisplay;

// Letter where the locale measures in US units, A4 elsewhere.
QPageSize::PageSizeId LocalePageSize();

// Writes the page into device; false with the reason when the page cannot be made.
bool WriteChartPdf(QIODevice& device, QWidget& chart_child, const QString& title, QString& reason);

// "Save As P&DF": asks for a name (an existing file only after a question), then writes the
// page whole or not at all, with a stop message naming the file on failure. The path
// written, or empty.
QString SaveChartAsPdf(QWidget* parent, frmDisplay* chart_child);

}  // namespace quendal
