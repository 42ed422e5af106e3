// The yardstick for start-up time: a Qt program that shows one empty window and ends once it
// has been painted, the same way quendal does under QUENDAL_EXIT_WHEN_SHOWN=1. With the
// argument "label" the window holds one line of text, so it pays the font set-up that any
// window with text pays.
#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QWidget>

namespace {

class ExitOnFirstPaint : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      watched->removeEventFilter(this);
      QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    }
    return false;
  }
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.resize(700, 400);
  if (argc > 1 && QByteArray(argv[1]) == "label") new QLabel(QStringLiteral("Quendal"), &window);
  ExitOnFirstPaint exit_on_first_paint;
  window.installEventFilter(&exit_on_first_paint);
  window.show();
  return app.exec();
}
