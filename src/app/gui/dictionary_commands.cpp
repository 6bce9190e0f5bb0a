#include "app/gui/dictionary_commands.h"

#include <wx/dc.h>
#include <wx/dcgraph.h>
#include <wx/filename.h>
#include <wx/graphics.h>
#include <wx/utils.h>

#include <cairo.h>

#include "app/command_table.h"
#include "app/gui/frame_design_view.h"
#include "app/gui/main_frame.h"
#include "base/file_dialogs.h"
#include "base/gui/wx_text.h"
#include "base/text_file.h"
#include "doc/gui/dictionary_dialog.h"
#include "model/design.h"
#include "ui/gui/design_canvas.h"
#include "ui/gui/design_picture.h"

namespace tablora {

namespace {

/// The SVG picture of the design as the picture export writes it; empty when it could not
/// be made.
std::string SvgPicture(TableSurface& surface, const AppState& state) {
  const wxString temp = wxFileName::CreateTempFileName("tablora");
  if (temp.empty()) return {};
  const std::string path = path_from_wx(temp) + ".svg";
  std::string svg;
  if (!DesignPicture::Export(path, surface, state, nullptr) || !TextFile::ReadBytes(path, svg)) {
    svg.clear();
  }
  wxRemoveFile(temp);
  wxRemoveFile(path_to_wx(path));
  return svg;
}

/// The picture of the design window for a dictionary of `format`: the SVG for the page
/// formats, the drawing for the PDF.
DictionaryPicture PictureFor(DictionaryFormat format, TableSurface& surface,
                             const AppState& state) {
  DictionaryPicture picture;
  if (format == DictionaryFormat::kHtml || format == DictionaryFormat::kMarkdown) {
    picture.svg = SvgPicture(surface, state);
  } else if (format == DictionaryFormat::kPdf) {
    const DesignPicture sized(surface, state);
    picture.width = static_cast<int>(sized.width());
    picture.height = static_cast<int>(sized.height());
    picture.draw = [&surface, &state](cairo_t* cr) {
      wxGraphicsContext* context =
          wxGraphicsRenderer::GetCairoRenderer()->CreateContextFromNativeContext(cr);
      wxGCDC dc(context);
      const DesignPicture whole(surface, state);
      whole.DrawArea(dc, 0, 0, whole.width(), whole.height(), true);
    };
  }
  return picture;
}

/// The options of the last dictionary of this run: the dialog starts with them.
DictionaryOptions& LastOptions() {
  static DictionaryOptions options;
  return options;
}

void ExportFromMenu(MainFrame& frame) {
  Design* design = frame.session() != nullptr ? frame.session()->design() : nullptr;
  if (design == nullptr) return;
  const std::string designPath = frame.session()->currentPath();
  DictionaryOptions preset = LastOptions();
  preset.title = DataDictionary::DefaultTitle(designPath);
  const std::vector<std::string> groups =
      DataDictionary::GroupNames(design->RefreshTableDefinitions());
  DictionaryDialog dialog(&frame, groups, preset);
  if (dialog.ShowModal() != wxID_OK) return;
  const DictionaryOptions options = dialog.options();
  LastOptions().format = options.format;
  const std::string path = frame.prompts().ChooseSaveFile(
      FileDialogs::ExportDictionary(designPath, DictionaryExport::Extension(options.format)));
  if (path.empty()) return;
  std::string error;
  if (!ExportDictionary(frame, options, path, &error)) frame.prompts().ShowMessage(error, "Tablora");
}

}  // namespace

bool ExportDictionary(MainFrame& frame, const DictionaryOptions& options, const std::string& path,
                      std::string* error) {
  Design* design = frame.session() != nullptr ? frame.session()->design() : nullptr;
  if (design == nullptr) return false;
  wxBusyCursor busy;
  const std::vector<TableDesign>& tables = design->RefreshTableDefinitions();
  DesignCanvas* canvas = frame.designWindow().Canvas();
  DictionaryPicture picture;
  if (frame.appState().designHasContent && canvas != nullptr && canvas->surface() != nullptr) {
    picture = PictureFor(options.format, *canvas->surface(), frame.appState());
  }
  return DictionaryExport::Write(tables, frame.appState().settings, options, path, &picture,
                                 error);
}

void RegisterDictionaryCommands(MainFrame& frame) {
  frame.commandRegistry().Register(
      cmd::kExportDictionary, [&frame] { ExportFromMenu(frame); },
      [&frame] { return frame.session() != nullptr && frame.session()->design() != nullptr; });
}

}  // namespace tablora
