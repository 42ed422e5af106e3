// A label that works as a web link: blue, hand pointer, and a click anywhere on it counts.
// Every link of the form, the chart window and the about box is one of these.
#pragma once

#include <QLabel>

namespace quendal {

class LinkLabel : public QLabel {
  Q_OBJECT

 public:
  explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace quendal
