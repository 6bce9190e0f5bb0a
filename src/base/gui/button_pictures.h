#pragma once

#include <initializer_list>
#include <string>
#include <utility>

class wxButton;
class wxWindow;

namespace tablora {

/// The program's own pictures on dialog buttons: PNG files of the program folder's
/// "icons", shown beside the button's text at the size GTK gives button images.
class ButtonPictures {
 public:
  /// The folder the pictures are read from; set once when the program starts.
  static void SetFolder(const std::string& iconFolder);
  /// Puts the picture `file` ("ok.png") on `button`; a missing file leaves it as it is.
  static void Put(wxButton* button, const char* file);
  /// Put for each button of `dialog` named by its id.
  static void Put(wxWindow* dialog, std::initializer_list<std::pair<int, const char*>> pictures);
};

}  // namespace tablora
