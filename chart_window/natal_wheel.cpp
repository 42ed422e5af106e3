#include "chart_window/natal_wheel.h"

namespace quendal {

NatalWheel::NatalWheel(QWidget* parent) : QWidget(parent) {}

}  // namespace quendal
