#include "db/gui/procedure_view.h"

#include <wx/clipbrd.h>
#include <wx/menu.h>

#include "base/app_state.h"
#include "base/commands/command_host.h"
#include "base/commands/design_context.h"
#include "base/gui/scroll_bar_size.h"
#include "base/gui/wx_text.h"
#include "db/procedures/procedure_colouring.h"
#include "db/procedures/procedure_commands.h"
#include "model/design.h"

namespace tablora {

namespace {

wxColour Colour(const Rgb& rgb) { return wxColour(rgb.red, rgb.green, rgb.blue); }

int StyleOf(TextColour colour) {
  switch (colour) {
    case TextColour::kDataType:
      return ProcedureView::kDataTypeStyle;
    case TextColour::kKeyword:
      return ProcedureView::kKeywordStyle;
    case TextColour::kComment:
      return ProcedureView::kCommentStyle;
    default:
      return ProcedureView::kPlainStyle;
  }
}

}  // namespace

ProcedureView::ProcedureView(wxWindow* parent, CommandHost& host)
    : wxStyledTextCtrl(parent, wxID_ANY, wxDefaultPosition, scroll_bars::StartSize()), host_(host) {
  const Settings& settings = host_.appState().settings;
  SetLexer(wxSTC_LEX_CONTAINER);  // the colours are set here, never by a lexer
  StyleSetFont(wxSTC_STYLE_DEFAULT, wxFont(wxFontInfo(10).Family(wxFONTFAMILY_TELETYPE)));
  StyleClearAll();
  StyleSetForeground(kDataTypeStyle, Colour(settings.dataTypeColour));
  StyleSetForeground(kKeywordStyle, Colour(settings.keywordColour));
  StyleSetForeground(kCommentStyle, Colour(settings.commentColour));
  SetMarginWidth(1, 0);
  UsePopUp(wxSTC_POPUP_NEVER);
  Bind(wxEVT_CONTEXT_MENU, &ProcedureView::OnContextMenu, this);
  // Typed text is coloured as the control asks for it.
  Bind(wxEVT_STC_STYLENEEDED, [this](wxStyledTextEvent&) { ColourText(); });
  Bind(
      wxEVT_MENU, [this](wxCommandEvent& event) { RunCommand(event.GetId() + kMenuIdBase); },
      procedure_cmd::kCopyAll - kMenuIdBase, procedure_cmd::kUpdate - kMenuIdBase);
}

void ProcedureView::ShowProcedure(int index) {
  Design* design = host_.session() != nullptr ? host_.session()->design() : nullptr;
  if (design == nullptr || index < 0 || index >= static_cast<int>(design->procedures().size()))
    return;
  const ProcedureDesign& procedure = design->procedures()[index];
  index_ = index;
  name_ = procedure.name;
  std::string lines;
  lines.reserve(procedure.text.size());
  for (char c : procedure.text) {
    if (c != '\r') lines += c;
  }
  SetText(to_wx(lines));
  ColourText();
  EmptyUndoBuffer();
  GotoPos(0);
}

void ProcedureView::ColourText() {
  const AppState& app = host_.appState();
  const wxString text = GetText();
  const std::vector<ColourRun> runs = ProcedureColouring::Runs(
      from_wx(text), app.settings.DataTypes(app.databaseKind), app.settings.dropDownLists[0]);
  // The control counts UTF-8 bytes; the runs count characters.
  std::vector<int> offsets;
  offsets.reserve(text.length() + 1);
  int bytes = 0;
  for (wxUniChar c : text) {
    offsets.push_back(bytes);
    const wxUint32 code = c.GetValue();
    bytes += code < 0x80 ? 1 : code < 0x800 ? 2 : code < 0x10000 ? 3 : 4;
  }
  offsets.push_back(bytes);
  auto offset = [&offsets](int character) {
    return offsets[std::min<std::size_t>(character, offsets.size() - 1)];
  };
  StartStyling(0);
  SetStyling(bytes, kPlainStyle);
  for (const ColourRun& run : runs) {
    StartStyling(offset(run.start));
    SetStyling(offset(run.start + run.length) - offset(run.start), StyleOf(run.colour));
  }
}

void ProcedureView::CopyAll() {
  if (!wxTheClipboard->Open()) return;
  wxTheClipboard->SetData(new wxTextDataObject(GetText()));
  wxTheClipboard->Flush();
  wxTheClipboard->Close();
}

void ProcedureView::SaveText() {
  Design* design = host_.session() != nullptr ? host_.session()->design() : nullptr;
  if (design == nullptr || index_ < 0 || index_ >= static_cast<int>(design->procedures().size()) ||
      design->procedures()[index_].name != name_)
    return;
  ProcedureCommands(*design, host_.prompts(), host_.session()->database())
      .Save(index_, from_wx(GetText()));
}

void ProcedureView::UpdateToDatabase() {
  Design* design = host_.session() != nullptr ? host_.session()->design() : nullptr;
  if (design == nullptr) return;
  const bool same = index_ >= 0 && index_ < static_cast<int>(design->procedures().size()) &&
                    design->procedures()[index_].name == name_;
  ProcedureCommands(*design, host_.prompts(), host_.session()->database())
      .UpdateToDatabase(same ? index_ : -1, from_wx(GetText()));
}

wxMenu* ProcedureView::BuildMenu() {
  auto* menu = new wxMenu;
  for (const ProcedureMenuEntry& entry : ProcedureMenuCommands())
    menu->Append(entry.id - kMenuIdBase, wxString::FromUTF8(entry.captionUtf8));
  return menu;
}

void ProcedureView::OnContextMenu(wxContextMenuEvent& event) {
  std::unique_ptr<wxMenu> menu(BuildMenu());
  wxPoint at = event.GetPosition();
  at = at == wxDefaultPosition ? ScreenToClient(wxGetMousePosition()) : ScreenToClient(at);
  PopupMenu(menu.get(), at);
}

void ProcedureView::RunCommand(int id) {
  switch (id) {
    case procedure_cmd::kCopyAll:
      CopyAll();
      break;
    case procedure_cmd::kSave:
      SaveText();
      break;
    case procedure_cmd::kUpdate:
      UpdateToDatabase();
      break;
    default:
      break;
  }
}

}  // namespace tablora
