#pragma once

#include <wx/dialog.h>

#include <string>
#include <vector>

class wxListBox;
class wxTextCtrl;

namespace tablora {

/// The data-link route: the machine's ODBC drivers and data sources, and the connection
/// string the user builds from them. Choosing a driver or a source starts the string.
class DataLinkDialog : public wxDialog {
 public:
  static constexpr int kDriversId = 1301;
  static constexpr int kSourcesId = 1302;
  static constexpr int kStringId = 1303;

  /// `drivers` and `sources` as the driver manager lists them (sources "name (driver)").
  DataLinkDialog(wxWindow* parent, const std::vector<std::string>& drivers,
                 const std::vector<std::string>& sources, const std::string& previous);
  /// The connection string (code page 936).
  std::string connectionString() const;

 private:
  wxListBox* drivers_;
  wxListBox* sources_;
  wxTextCtrl* text_;
};

}  // namespace tablora
