#include "app/gui/wx_prompts.h"

#include <wx/dirdlg.h>
#include <wx/filedlg.h>

#include "app/gui/database_kind_dialog.h"
#include "app/gui/message_dialog.h"
#include "app/gui/table_conflict_dialog.h"
#include "base/gui/wx_text.h"
#include "base/settings.h"

namespace tablora {

bool WxPrompts::AskYesNo(const std::string& text, const std::string& caption) {
  MessageDialog box(parent_, to_wx(text), to_wx(caption), MessageDialog::kYesNo);
  return box.ShowModal() == wxID_YES;
}

Answer WxPrompts::AskYesNoCancel(const std::string& text, const std::string& caption) {
  MessageDialog box(parent_, to_wx(text), to_wx(caption), MessageDialog::kYesNoCancel);
  switch (box.ShowModal()) {
    case wxID_YES:
      return Answer::kYes;
    case wxID_NO:
      return Answer::kNo;
    default:
      return Answer::kCancel;
  }
}

ConflictChoice WxPrompts::ChooseConflict(const TableConflictQuestion& question, bool& forAll) {
  TableConflictDialog dialog(parent_, question);
  dialog.ShowModal();
  forAll = dialog.forAll();
  return dialog.choice();
}

void WxPrompts::ShowMessage(const std::string& text, const std::string& caption) {
  MessageDialog box(parent_, to_wx(text), to_wx(caption), MessageDialog::kOk);
  box.ShowModal();
}

std::string WxPrompts::ChooseFile(const FileDialogSpec& spec, bool save) {
  // Every file shows first; the extensions are choices beside it, never a forced filter.
  wxString wildcard = wxString::FromUTF8(u8"所有文件 (*.*)|*");
  std::vector<std::string> choices = spec.choices;
  if (choices.empty() && !spec.defaultExtension.empty()) choices.push_back(spec.defaultExtension);
  for (const std::string& choice : choices) {
    const wxString ext = to_wx(choice);
    wildcard += "|" + ext.Upper() + wxString::FromUTF8(u8" 文件 (*.") + ext + ")|*." + ext;
  }
  const std::string folder = spec.startFolder.empty() ? settings_.programFolder : spec.startFolder;
  const long style = save ? wxFD_SAVE | wxFD_OVERWRITE_PROMPT : wxFD_OPEN | wxFD_FILE_MUST_EXIST;
  wxFileDialog dialog(parent_, to_wx(spec.title), path_to_wx(folder), path_to_wx(spec.proposedName),
                      wildcard, style);
  if (dialog.ShowModal() != wxID_OK) return {};
  std::string path = path_from_wx(dialog.GetPath());
  // The save dialog adds the default extension when the name has none.
  const bool hasExtension = path.find('.', path.rfind('/') + 1) != std::string::npos;
  if (save && !spec.defaultExtension.empty() && !hasExtension) {
    path += "." + spec.defaultExtension;
  }
  return path;
}

std::string WxPrompts::ChooseSaveFile(const FileDialogSpec& spec) { return ChooseFile(spec, true); }

std::string WxPrompts::ChooseOpenFile(const FileDialogSpec& spec) {
  return ChooseFile(spec, false);
}

std::string WxPrompts::ChooseFolder(const std::string& startFolder) {
  wxDirDialog dialog(parent_, wxString::FromUTF8(u8"请选择文件夹"), path_to_wx(startFolder));
  if (dialog.ShowModal() != wxID_OK) return {};
  return path_from_wx(dialog.GetPath());
}

bool WxPrompts::ChooseDatabaseKind(int& kind) {
  DatabaseKindDialog dialog(parent_, settings_.databaseKindNames, kind);
  if (dialog.ShowModal() != wxID_OK || dialog.chosenKind() < 0) return false;
  kind = dialog.chosenKind();
  return true;
}

}  // namespace tablora
