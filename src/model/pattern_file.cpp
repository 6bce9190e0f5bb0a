#include "model/pattern_file.h"

#include <sys/stat.h>

#include "base/text_codec.h"
#include "base/text_file.h"

namespace tablora {

std::string PatternFile::StripComments(const std::string& stored) {
  std::string out;
  out.reserve(stored.size());
  std::size_t pos = 0;
  while (pos < stored.size()) {
    std::size_t lineEnd = stored.find('\n', pos);
    if (lineEnd == std::string::npos) lineEnd = stored.size();
    std::size_t cut = stored.find("//", pos);
    if (cut == std::string::npos || cut > lineEnd) cut = lineEnd;
    for (std::size_t i = pos; i < cut; ++i) {
      if (stored[i] != '\r') out += stored[i];
    }
    pos = lineEnd + 1;
  }
  return out;
}

bool PatternFile::Refresh() {
  struct stat info {};
  if (::stat(path_.c_str(), &info) != 0) {
    regex_.reset();
    size_ = mtimeNs_ = -1;
    error_ = Cp936(u8"无法读取文件: ") + TextCodec::Utf8ToCp936(path_);
    return false;
  }
  const std::int64_t mtimeNs =
      static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
  const std::uint64_t inode = static_cast<std::uint64_t>(info.st_ino);
  // Two writes within one clock tick leave the same time: a replaced file has a new inode.
  if (regex_ && info.st_size == size_ && mtimeNs == mtimeNs_ && inode == inode_) return true;

  regex_.reset();
  size_ = mtimeNs_ = -1;
  std::string stored;
  std::string reason;
  if (!TextFile::ReadBytes(path_, stored, &reason)) {
    error_ = Cp936(u8"无法读取文件: ") + TextCodec::Utf8ToCp936(path_) + "\n" +
             TextCodec::Utf8ToCp936(reason);
    return false;
  }
  ++loadCount_;
  std::string pattern = StripComments(stored);
  if (pattern.empty()) {
    error_ = Cp936(u8"文件中没有表达式: ") + TextCodec::Utf8ToCp936(path_);
    return false;
  }
  try {
    regex_ = std::make_unique<boost::regex>(pattern, boost::regex::perl);
  } catch (const std::exception& e) {
    error_ = Cp936(u8"表达式有错误: ") + TextCodec::Utf8ToCp936(path_) + "\n" + e.what();
    return false;
  }
  pattern_ = std::move(pattern);
  size_ = info.st_size;
  mtimeNs_ = mtimeNs;
  inode_ = inode;
  error_.clear();
  return true;
}

}  // namespace tablora
