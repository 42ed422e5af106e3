#include "chart_window/sign_image.h"

#include <QPainter>
#include <array>

namespace quendal {

QString SignPicturePath(int item) {
  static constexpr std::array<const char*, 12> kFiles = {
      "sign_01_aries",       "sign_02_taurus",    "sign_03_gemini",   "sign_04_cancer",
      "sign_05_leo",         "sign_06_virgo",     "sign_07_libra",    "sign_08_scorpio",
      "sign_09_sagittarius", "sign_10_capricorn", "sign_11_aquarius", "sign_12_pisces"};
  if (item < 1 || item > 12) return {};
  return QStringLiteral(":/%1.svg").arg(QLatin1String(kFiles[item - 1]));
}

SignImage::SignImage(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TranslucentBackground);
}

void SignImage::SetPicture(int item) {
  const QString path = SignPicturePath(item);
  if (path.isEmpty() || !renderer_.load(path)) return;
  item_ = item;
  update();
}

void SignImage::paintEvent(QPaintEvent*) {
  if (item_ == 0) return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  // The house number sits over the top-left corner of the place, so the glyph keeps to the
  // lower right and both stay readable.
  const QRectF box = rect();
  const qreal side = box.width() * 0.82;
  renderer_.render(&painter, QRectF(box.width() - side, box.height() - side, side, side));
}

}  // namespace quendal
