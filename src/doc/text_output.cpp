#include "doc/text_output.h"

#include "base/text_file.h"

namespace tablora {

TextOutput& TextOutput::operator<<(std::string_view text) {
  if (text_ != nullptr) {
    text_->append(text);
    return *this;
  }
  buffer_.append(text);
  if (buffer_.size() >= kPiece) Flush();
  return *this;
}

void TextOutput::Flush() {
  if (ok_ && !buffer_.empty()) ok_ = TextFile::WriteAll(fd_, buffer_);
  buffer_.clear();
}

bool TextOutput::Finish() {
  if (text_ == nullptr) Flush();
  return ok_;
}

}  // namespace tablora
