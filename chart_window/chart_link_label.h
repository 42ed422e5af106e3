// A label of the chart window's bars that works as a link: a click anywhere on it counts.
#pragma once

#include <QLabel>

namespace quendal {

class ChartLinkLabel : public QLabel {
  Q_OBJECT

 public:
  explicit ChartLinkLabel(QWidget* parent = nullptr);

 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace quendal
