#pragma once

#include <wx/bitmap.h>

#include <string>

namespace tablora {

/// The PNG image at `path` (a file of the program folder's "icons"), or an invalid bitmap
/// when the file is missing or unreadable; no message either way.
wxBitmap ReadIconFile(const std::string& path);

}  // namespace tablora
