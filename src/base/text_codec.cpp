#include "base/text_codec.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace tablora {

namespace {
class IconvHandle {
 public:
  IconvHandle(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1)) {
      throw std::runtime_error(std::string("iconv cannot convert from ") + from + " to " + to);
    }
  }
  ~IconvHandle() { iconv_close(cd_); }
  IconvHandle(const IconvHandle&) = delete;
  IconvHandle& operator=(const IconvHandle&) = delete;
  iconv_t get() const { return cd_; }

 private:
  iconv_t cd_;
};

/// ASCII reads the same in code page 936 and UTF-8: such texts need no converter (opening
/// one costs more than a short conversion).
bool IsAscii(std::string_view text) {
  for (const char c : text)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}
}  // namespace

std::string TextCodec::Convert(const char* to, const char* from, std::string_view input,
                               std::size_t unitSize) {
  IconvHandle cd(to, from);
  std::string out;
  out.reserve(input.size() * 2);
  char buffer[4096];
  char* in = const_cast<char*>(input.data());
  std::size_t inLeft = input.size();
  while (inLeft > 0) {
    char* dst = buffer;
    std::size_t dstLeft = sizeof buffer;
    const std::size_t rc = iconv(cd.get(), &in, &inLeft, &dst, &dstLeft);
    out.append(buffer, dst);
    if (rc != static_cast<std::size_t>(-1)) continue;
    if (errno == E2BIG) continue;
    // An invalid or truncated sequence: replace one unit and go on.
    out.push_back('?');
    const std::size_t skip = inLeft < unitSize ? inLeft : unitSize;
    in += skip;
    inLeft -= skip;
    iconv(cd.get(), nullptr, nullptr, nullptr, nullptr);
  }
  char* dst = buffer;
  std::size_t dstLeft = sizeof buffer;
  iconv(cd.get(), nullptr, nullptr, &dst, &dstLeft);
  out.append(buffer, dst);
  return out;
}

std::string TextCodec::Cp936ToUtf8(std::string_view cp936) {
  if (IsAscii(cp936)) return std::string(cp936);
  return Convert("UTF-8", "CP936", cp936, 1);
}

std::string TextCodec::Utf8ToCp936(std::string_view utf8) {
  if (IsAscii(utf8)) return std::string(utf8);
  return Convert("CP936", "UTF-8", utf8, 1);
}

std::string TextCodec::Utf16LeToCp936(std::string_view utf16le) {
  return Convert("CP936", "UTF-16LE", utf16le, 2);
}

}  // namespace tablora
