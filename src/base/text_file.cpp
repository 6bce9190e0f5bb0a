#include "base/text_file.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

namespace tablora {

namespace {
void SetError(std::string* error) {
  if (error) *error = std::strerror(errno);
}
}  // namespace

bool TextFile::ReadBytes(const std::string& path, std::string& bytes, std::string* error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    SetError(error);
    return false;
  }
  std::ostringstream buffer;
  buffer << in.rdbuf();
  if (in.bad()) {
    SetError(error);
    return false;
  }
  bytes = buffer.str();
  return true;
}

bool TextFile::WriteBytes(const std::string& path, const std::string& bytes, std::string* error) {
  const std::string temp = path + ".tmp" + std::to_string(::getpid());
  std::FILE* f = std::fopen(temp.c_str(), "wb");
  if (!f) {
    SetError(error);
    return false;
  }
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  const bool flushed = std::fflush(f) == 0 && ::fsync(::fileno(f)) == 0;
  const bool closed = std::fclose(f) == 0;
  if (!written || !flushed || !closed) {
    SetError(error);
    std::remove(temp.c_str());
    return false;
  }
  if (std::rename(temp.c_str(), path.c_str()) != 0) {
    SetError(error);
    std::remove(temp.c_str());
    return false;
  }
  return true;
}

bool TextFile::WriteText(const std::string& path, const std::string& text, std::string* error) {
  return WriteBytes(path, ToCrLf(text), error);
}

std::string TextFile::ToCrLf(const std::string& text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  for (char c : text) {
    if (c == '\n') out.push_back('\r');
    out.push_back(c);
  }
  return out;
}

}  // namespace tablora
