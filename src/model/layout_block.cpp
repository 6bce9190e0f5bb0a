#include "model/layout_block.h"

#include <algorithm>

namespace tablora {

namespace {
constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr std::size_t kLineLength = 76;

void PutInt32(std::string& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

std::uint32_t GetInt32(const std::string& in, std::size_t at) {
  std::uint32_t v = 0;
  for (int i = 0; i < 4; ++i)
    v |= static_cast<std::uint32_t>(static_cast<unsigned char>(in[at + i])) << (8 * i);
  return v;
}

int SextetOf(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return c - 'A';
  if (c >= 'a' && c <= 'z') return c - 'a' + 26;
  if (c >= '0' && c <= '9') return c - '0' + 52;
  if (c == '+') return 62;
  if (c == '/') return 63;
  return -1;
}
}  // namespace

std::string LayoutBlock::Pack(const std::vector<LayoutRecord>& records) {
  std::string block;
  block.reserve(4 + 16 * records.size() + 1);
  PutInt32(block, static_cast<std::uint32_t>(records.size()));
  for (const LayoutRecord& r : records) {
    PutInt32(block, static_cast<std::uint32_t>(r.left));
    PutInt32(block, static_cast<std::uint32_t>(r.top));
    PutInt32(block, r.textColour);
    PutInt32(block, r.bkColour);
  }
  block.push_back('\0');
  return block;
}

std::string LayoutBlock::Encode(const std::vector<LayoutRecord>& records) {
  return Base64(Pack(records));
}

std::string LayoutBlock::Base64(std::string_view block) {
  std::string out;
  out.reserve(block.size() * 4 / 3 + block.size() / 38 + 8);
  std::size_t lineLength = 0;
  std::size_t i = 0;
  for (; i + 3 <= block.size(); i += 3) {
    const std::uint32_t group = (static_cast<unsigned char>(block[i]) << 16) |
                                (static_cast<unsigned char>(block[i + 1]) << 8) |
                                static_cast<unsigned char>(block[i + 2]);
    out.push_back(kAlphabet[(group >> 18) & 0x3F]);
    out.push_back(kAlphabet[(group >> 12) & 0x3F]);
    out.push_back(kAlphabet[(group >> 6) & 0x3F]);
    out.push_back(kAlphabet[group & 0x3F]);
    lineLength += 4;
    if (lineLength >= kLineLength) {
      out += "\r\n";
      lineLength = 0;
    }
  }
  const std::size_t rest = block.size() - i;
  if (rest > 0) {
    const unsigned b0 = static_cast<unsigned char>(block[i]);
    const unsigned b1 = rest > 1 ? static_cast<unsigned char>(block[i + 1]) : 0;
    out.push_back(kAlphabet[b0 >> 2]);
    out.push_back(kAlphabet[((b0 & 0x03) << 4) | (b1 >> 4)]);
    out.push_back(rest > 1 ? kAlphabet[(b1 & 0x0F) << 2] : '=');
    out.push_back('=');
  }
  return out;
}

std::string LayoutBlock::FromBase64(std::string_view base64Text) {
  std::string bytes;
  bytes.reserve(base64Text.size() * 3 / 4 + 3);
  std::uint32_t accumulator = 0;
  int sextets = 0;
  for (unsigned char c : base64Text) {
    const int v = SextetOf(c);
    if (v < 0) continue;
    accumulator = (accumulator << 6) | static_cast<std::uint32_t>(v);
    if (++sextets == 4) {
      bytes.push_back(static_cast<char>((accumulator >> 16) & 0xFF));
      bytes.push_back(static_cast<char>((accumulator >> 8) & 0xFF));
      bytes.push_back(static_cast<char>(accumulator & 0xFF));
      accumulator = 0;
      sextets = 0;
    }
  }
  if (sextets >= 2) {
    accumulator <<= 6 * (4 - sextets);
    bytes.push_back(static_cast<char>((accumulator >> 16) & 0xFF));
    if (sextets == 3) bytes.push_back(static_cast<char>((accumulator >> 8) & 0xFF));
  }
  return bytes;
}

std::vector<LayoutRecord> LayoutBlock::Decode(std::string_view base64Text) {
  const std::string bytes = FromBase64(base64Text);
  std::vector<LayoutRecord> records;
  if (bytes.size() < 4) return records;
  const auto count = static_cast<std::int32_t>(GetInt32(bytes, 0));
  if (count <= 0) return records;
  const std::size_t available = (bytes.size() - 4) / 16;
  const std::size_t n = std::min<std::size_t>(static_cast<std::size_t>(count), available);
  records.reserve(n);
  for (std::size_t k = 0; k < n; ++k) {
    const std::size_t at = 4 + 16 * k;
    LayoutRecord r;
    r.left = static_cast<std::int32_t>(GetInt32(bytes, at));
    r.top = static_cast<std::int32_t>(GetInt32(bytes, at + 4));
    r.textColour = GetInt32(bytes, at + 8);
    r.bkColour = GetInt32(bytes, at + 12);
    records.push_back(r);
  }
  return records;
}

}  // namespace tablora
