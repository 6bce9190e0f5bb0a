#include "base/gui/icon_file.h"

#include <wx/image.h>
#include <wx/log.h>

#include "base/gui/wx_text.h"

namespace tablora {

wxBitmap ReadIconFile(const std::string& path) {
  if (wxImage::FindHandler(wxBITMAP_TYPE_PNG) == nullptr) wxImage::AddHandler(new wxPNGHandler);
  wxImage image;
  {
    wxLogNull quiet;  // a missing icon is not worth a message
    image.LoadFile(path_to_wx(path), wxBITMAP_TYPE_PNG);
  }
  return image.IsOk() ? wxBitmap(image) : wxBitmap();
}

}  // namespace tablora
