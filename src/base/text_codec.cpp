#include "base/text_codec.h"

#include <iconv.h>

#include <cerrno>
#include <memory>
#include <stdexcept>
#include <utility>
#include <vector>

#include "base/gbk_text.h"

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

constexpr const char* kCoreEncoding = "GB18030";
/// The euro sign: the single byte 0x80 of code page 936, the pair A2 E3 of GB18030.
constexpr std::string_view kEuroUtf8 = "\xE2\x82\xAC";
constexpr char kEuroByte = '\x80';
constexpr char kEuroPair[] = "\xA2\xE3";

/// ASCII reads the same in the core's text and UTF-8: such texts need no converter (opening
/// one costs more than a short conversion).
bool IsAscii(std::string_view text) {
  for (const char c : text)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

/// The converter from `from` to `to`, opened once per thread (opening one costs more than
/// converting a short text, and database values come one by one).
IconvHandle& Converter(const char* to, const char* from) {
  thread_local std::vector<std::pair<std::string, std::unique_ptr<IconvHandle>>> open;
  const std::string key = std::string(to) + '<' + from;
  for (auto& [name, handle] : open)
    if (name == key) return *handle;
  open.emplace_back(key, std::make_unique<IconvHandle>(to, from));
  return *open.back().second;
}
}  // namespace

std::string TextCodec::Convert(const char* to, const char* from, std::string_view input,
                               std::size_t unitSize) {
  IconvHandle& cd = Converter(to, from);
  iconv(cd.get(), nullptr, nullptr, nullptr, nullptr);
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
    if (inLeft > 0 && *in == kEuroByte && std::string_view(from) == kCoreEncoding) {
      // Code page 936's one-byte euro sign: converted as GB18030's own.
      char* euro = const_cast<char*>(kEuroPair);
      std::size_t euroLeft = 2;
      dst = buffer;
      dstLeft = sizeof buffer;
      iconv(cd.get(), &euro, &euroLeft, &dst, &dstLeft);
      out.append(buffer, dst);
      ++in;
      --inLeft;
      continue;
    }
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

std::string TextCodec::Cp936ToUtf8(std::string_view gb18030) {
  if (IsAscii(gb18030)) return std::string(gb18030);
  return Convert("UTF-8", kCoreEncoding, gb18030, 1);
}

std::string TextCodec::Utf8ToCp936(std::string_view utf8) {
  if (IsAscii(utf8)) return std::string(utf8);
  // The euro sign keeps its code page 936 byte; everything else is GB18030's.
  std::string out;
  std::size_t from = 0;
  for (;;) {
    const std::size_t euro = utf8.find(kEuroUtf8, from);
    const std::string_view piece =
        utf8.substr(from, euro == std::string_view::npos ? std::string_view::npos : euro - from);
    if (!piece.empty()) out += Convert(kCoreEncoding, "UTF-8", piece, 1);
    if (euro == std::string_view::npos) return out;
    out += kEuroByte;
    from = euro + kEuroUtf8.size();
  }
}

std::string TextCodec::Utf16LeToCp936(std::string_view utf16le) {
  return Utf8ToCp936(Convert("UTF-8", "UTF-16LE", utf16le, 2));
}

std::string TextCodec::Cp936ToUtf16Le(std::string_view gb18030) {
  return Convert("UTF-16LE", kCoreEncoding, gb18030, 1);
}

bool TextCodec::IsUtf8(std::string_view bytes) {
  std::size_t i = 0;
  while (i < bytes.size()) {
    const unsigned char c = static_cast<unsigned char>(bytes[i]);
    if (c < 0x80) {
      ++i;
      continue;
    }
    std::size_t length;
    unsigned int min;
    if (c >= 0xC2 && c <= 0xDF) {
      length = 2;
      min = 0x80;
    } else if (c >= 0xE0 && c <= 0xEF) {
      length = 3;
      min = 0x800;
    } else if (c >= 0xF0 && c <= 0xF4) {
      length = 4;
      min = 0x10000;
    } else {
      return false;
    }
    if (i + length > bytes.size()) return false;
    unsigned int code = c & (0xFF >> (length + 1));
    for (std::size_t k = 1; k < length; ++k) {
      const unsigned char t = static_cast<unsigned char>(bytes[i + k]);
      if ((t & 0xC0) != 0x80) return false;
      code = (code << 6) | (t & 0x3F);
    }
    if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
    i += length;
  }
  return true;
}

bool TextCodec::HasFourByteCharacters(std::string_view gb18030) {
  for (std::size_t i = 0; i < gb18030.size();) {
    const std::size_t size = gbk::CharSize(gb18030, i);
    if (size == 4) return true;
    i += size;
  }
  return false;
}

}  // namespace tablora
