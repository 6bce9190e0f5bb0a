#pragma once

#include <wx/string.h>

#include <string>

namespace tablora {

/// Code page 936 bytes to wxString. Lenient: a byte sequence that does not decode
/// becomes "?" and the rest of the text still shows.
wxString to_wx(const std::string& cp936);
/// wxString to code page 936 bytes; a character code page 936 lacks becomes one "?" per
/// byte of its UTF-8 form.
std::string from_wx(const wxString& text);
/// A file-system path (UTF-8 bytes on this platform) to wxString, and back.
wxString path_to_wx(const std::string& path);
std::string path_from_wx(const wxString& path);

}  // namespace tablora
