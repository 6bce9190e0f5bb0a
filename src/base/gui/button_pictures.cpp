#include "base/gui/button_pictures.h"

#include <wx/artprov.h>
#include <wx/button.h>
#include <wx/image.h>

#include "base/gui/icon_file.h"
#include "base/program_folder.h"

namespace tablora {

namespace {
std::string& Folder() {
  static std::string folder;
  return folder;
}
}  // namespace

void ButtonPictures::SetFolder(const std::string& iconFolder) { Folder() = iconFolder; }

void ButtonPictures::Put(wxButton* button, const char* file) {
  if (button == nullptr || Folder().empty()) return;
  wxBitmap picture = ReadIconFile(ProgramFolder::Join(Folder(), file));
  if (!picture.IsOk()) return;
  const wxSize size = wxArtProvider::GetSizeHint(wxART_BUTTON);
  if (size.x > 0 && size.y > 0 && size != picture.GetSize()) {
    picture = wxBitmap(picture.ConvertToImage().Scale(size.x, size.y, wxIMAGE_QUALITY_HIGH));
  }
  button->SetBitmap(picture);
}

void ButtonPictures::Put(wxWindow* dialog,
                         std::initializer_list<std::pair<int, const char*>> pictures) {
  for (const auto& [id, file] : pictures)
    Put(wxDynamicCast(dialog->FindWindow(id), wxButton), file);
}

}  // namespace tablora
