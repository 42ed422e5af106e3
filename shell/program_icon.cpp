#include "shell/program_icon.h"

#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <map>
#include <memory>
#include <utility>

namespace quendal {
namespace {

// Drawn straight from the artwork with the SVG renderer the chart already uses. Qt's own SVG
// icon engine is a plugin that brings every image-format plugin with it, and the window
// system asks for sizes up to 128 pixels before the first window appears; together that was
// a good part of the start-up time. Each size is drawn once, when it is first asked for.
class ProgramIconEngine : public QIconEngine {
 public:
  ProgramIconEngine()
      : renderer_(std::make_shared<QSvgRenderer>(QStringLiteral(":/quendal_icon.svg"))) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
    renderer_->render(painter, rect);
  }

  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    if (size.isEmpty()) return {};
    const auto key = std::make_pair(size.width(), size.height());
    auto cached = drawn_.find(key);
    if (cached == drawn_.end()) {
      QImage image(size, QImage::Format_ARGB32_Premultiplied);
      image.fill(Qt::transparent);
      QPainter painter(&image);
      paint(&painter, image.rect(), mode, state);
      painter.end();
      cached = drawn_.emplace(key, QPixmap::fromImage(image)).first;
    }
    return cached->second;
  }

  // The sizes window systems show at ordinary resolution; any other size is drawn on demand.
  QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
    return {QSize(16, 16), QSize(24, 24), QSize(32, 32), QSize(48, 48), QSize(64, 64)};
  }

  QIconEngine* clone() const override { return new ProgramIconEngine(*this); }
  QString key() const override { return QStringLiteral("QuendalProgramIcon"); }
  bool isNull() override { return !renderer_->isValid(); }

 private:
  std::shared_ptr<QSvgRenderer> renderer_;
  std::map<std::pair<int, int>, QPixmap> drawn_;
};

}  // namespace

QIcon ProgramIcon() { return QIcon(new ProgramIconEngine); }

}  // namespace quendal
