#include "cli/device_stream.h"

namespace quendal::cli {

DeviceStreamBuffer::DeviceStreamBuffer(QIODevice& device) : device_(device) {
  setp(buffer_.data(), buffer_.data() + buffer_.size());
}

DeviceStreamBuffer::~DeviceStreamBuffer() { Drain(); }

bool DeviceStreamBuffer::Drain() {
  const qint64 size = pptr() - pbase();
  if (size > 0 && device_.write(pbase(), size) != size) return false;
  setp(buffer_.data(), buffer_.data() + buffer_.size());
  return true;
}

DeviceStreamBuffer::int_type DeviceStreamBuffer::overflow(int_type c) {
  if (!Drain()) return traits_type::eof();
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  *pptr() = traits_type::to_char_type(c);
  pbump(1);
  return c;
}

int DeviceStreamBuffer::sync() { return Drain() ? 0 : -1; }

}  // namespace quendal::cli
