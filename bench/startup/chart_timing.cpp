// Time from a press of "Get My Natal Chart" to the chart window painted on screen, over
// repeated calculations with Back in between. Prints the median and the slowest run.
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/quendal_application.h"
#include "birth/frmMain.h"
#include "chart_window/MDI.h"
#include "chart_window/frmDisplay.h"

namespace {

class QuitOnPaint : public QObject {
 public:
  explicit QuitOnPaint(QEventLoop& loop) : loop_(loop) {}

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) loop_.quit();
    return false;
  }

 private:
  QEventLoop& loop_;
};

void Fill(QWidget* form, const char* name, const QString& text) {
  form->findChild<QLineEdit*>(name)->setText(text);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  quendal::QuendalApplication quendal;
  quendal.SetEndHandler([] {});
  quendal.Start();
  QWidget* form = quendal.Form();
  Fill(form, "txtName", "Asha Rao");
  Fill(form, "txtLatD", "18");
  Fill(form, "txtLatM", "31");
  Fill(form, "txtLonD", "73");
  Fill(form, "txtLonM", "52");
  Fill(form, "txtCity", "Pune");
  Fill(form, "txtState", "Maharashtra");
  Fill(form, "txtCountry", "India");
  form->findChild<QComboBox*>("cboYear")->setCurrentIndex(86);
  auto* button = form->findChild<QPushButton*>("cmdCalculate");

  constexpr int kRuns = 30;
  std::vector<double> milliseconds;
  for (int run = 0; run < kRuns; ++run) {
    QEventLoop loop;
    QuitOnPaint quit_on_paint(loop);
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    QElapsedTimer timer;
    timer.start();
    button->click();
    quendal::MDI* window = quendal.ChartWindow();
    if (!window) {
      std::fprintf(stderr, "no chart window\n");
      return 1;
    }
    window->installEventFilter(&quit_on_paint);
    loop.exec();
    milliseconds.push_back(timer.nsecsElapsed() / 1e6);
    window->removeEventFilter(&quit_on_paint);
    quendal.Back();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
  }
  std::sort(milliseconds.begin(), milliseconds.end());
  std::printf("press to chart painted: median %.1f ms, slowest %.1f ms (%d runs)\n",
              milliseconds[kRuns / 2], milliseconds.back(), kRuns);
  return 0;
}
