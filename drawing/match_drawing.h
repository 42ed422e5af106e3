// The match page: one drawing of a match that the match window, its PDF page, the printer and
// any report page all call, so each shows the same content. Qt Gui only.
#pragma once

#include <QRectF>
#include <QSizeF>
#include <QString>

#include "match/match_text.h"

class QIODevice;
class QPainter;

namespace quendal {

// The size in logical pixels the page is laid out at; any area gets it scaled to its width
// (or height, whichever is tighter), at the top.
QSizeF MatchPageSize();

void DrawMatchPage(QPainter& painter, const MatchSheet& sheet, const QRectF& area);

// "Match: Asha Rao and Vikram Rao"
QString MatchTitle(const MatchSheet& sheet);

// One portrait page, A4 or Letter by the locale; false with the reason when it cannot be made.
bool WriteMatchPdf(QIODevice& device, const MatchSheet& sheet, QString& reason);

}  // namespace quendal
