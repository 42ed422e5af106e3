#include "drawing/sign_glyph.h"

#include <QPainter>
#include <QSvgRenderer>
#include <array>
#include <memory>

namespace quendal {

QString SignPicturePath(int item) {
  static constexpr std::array<const char*, 12> kFiles = {
      "sign_01_aries",       "sign_02_taurus",    "sign_03_gemini",   "sign_04_cancer",
      "sign_05_leo",         "sign_06_virgo",     "sign_07_libra",    "sign_08_scorpio",
      "sign_09_sagittarius", "sign_10_capricorn", "sign_11_aquarius", "sign_12_pisces"};
  if (item < 1 || item > 12) return {};
  return QStringLiteral(":/%1.svg").arg(QLatin1String(kFiles[item - 1]));
}

void DrawSignGlyph(QPainter& painter, int item, const QRectF& box) {
  if (item < 1 || item > 12) return;
  // Parsed once each; a chart draws every glyph at each paint.
  static std::array<std::unique_ptr<QSvgRenderer>, 12> renderers;
  auto& renderer = renderers[item - 1];
  if (!renderer) renderer = std::make_unique<QSvgRenderer>(SignPicturePath(item));
  if (!renderer->isValid()) return;
  painter.save();
  painter.setClipRect(box, Qt::IntersectClip);
  painter.setRenderHint(QPainter::Antialiasing);
  const qreal side = box.width() * 0.82;
  renderer->render(&painter, QRectF(box.left() + box.width() - side,
                                    box.top() + box.height() - side, side, side));
  painter.restore();
}

}  // namespace quendal
