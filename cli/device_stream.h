// A std::ostream onto a QIODevice through a fixed buffer, so quendal-chart can stream a batch
// of any size into a safe save without holding it in memory.
#pragma once

#include <QIODevice>
#include <array>
#include <streambuf>

namespace quendal::cli {

class DeviceStreamBuffer : public std::streambuf {
 public:
  explicit DeviceStreamBuffer(QIODevice& device);
  ~DeviceStreamBuffer() override;

 protected:
  int_type overflow(int_type c) override;
  int sync() override;

 private:
  bool Drain();

  QIODevice& device_;
  std::array<char, 1 << 16> buffer_;
};

}  // namespace quendal::cli
