// Save As PDF of the chart window: the chart child's page (page_pdf.h) into a file.
#pragma once

#include <QString>
#include <QStringList>

#include "drawing/page_pdf.h"

class QWidget;

namespace quendal {

class frmDisplay;

// "Save As P&DF": asks for a name (an existing file only after a question), then writes the
// page whole or not at all, with a stop message naming the file on failure; the notes go
// under the chart, where the screen has its image-name boxes. The path written, or empty.
QString SaveChartAsPdf(QWidget* parent, frmDisplay* chart_child, const QStringList& notes = {});

}  // namespace quendal
