#pragma once

#include <wx/string.h>

#include <string>

namespace tablora {

/// The core's GB18030 bytes to wxString. Lenient: a byte sequence that does not decode
/// becomes "?" and the rest of the text still shows.
wxString to_wx(const std::string& gb18030);
/// wxString to the core's GB18030 bytes: every character comes through.
std::string from_wx(const wxString& text);
/// A file-system path (UTF-8 bytes on this platform) to wxString, and back.
wxString path_to_wx(const std::string& path);
std::string path_from_wx(const wxString& path);

}  // namespace tablora
