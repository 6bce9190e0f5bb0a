#include "base/gui/wx_text.h"

#include "base/text_codec.h"

namespace tablora {

wxString to_wx(const std::string& gb18030) {
  const std::string utf8 = TextCodec::Cp936ToUtf8(gb18030);
  return wxString::FromUTF8(utf8.data(), utf8.size());
}

std::string from_wx(const wxString& text) {
  const wxScopedCharBuffer utf8 = text.utf8_str();
  return TextCodec::Utf8ToCp936(std::string_view(utf8.data(), utf8.length()));
}

wxString path_to_wx(const std::string& path) {
  wxString text = wxString::FromUTF8(path.data(), path.size());
  // A path that is not UTF-8 still shows, through the file-name converter.
  if (text.empty() && !path.empty()) text = wxString(path.c_str(), *wxConvFileName);
  return text;
}

std::string path_from_wx(const wxString& path) {
  const wxScopedCharBuffer utf8 = path.utf8_str();
  return std::string(utf8.data(), utf8.length());
}

}  // namespace tablora
