#include "app/gui/wx_prompts.h"

#include <wx/dirdlg.h>
#include <wx/filedlg.h>
#include <wx/filedlgcustomize.h>
#include <wx/filefn.h>
#include <wx/utils.h>

#include "app/gui/database_kind_dialog.h"
#include "app/gui/message_dialog.h"
#include "app/gui/table_conflict_dialog.h"
#include "base/file_dialogs.h"
#include "base/gui/wx_text.h"
#include "base/settings.h"
#include "base/text_codec.h"

namespace tablora {

namespace {

/// The encoding list below a save dialog's file list.
class EncodingChoice : public wxFileDialogCustomizeHook {
 public:
  explicit EncodingChoice(const std::vector<std::string>& encodings) : encodings_(encodings) {}
  void AddCustomControls(wxFileDialogCustomize& customizer) override {
    customizer.AddStaticText(wxString::FromUTF8(u8"编码:"));
    wxArrayString names;
    for (const std::string& name : encodings_) names.push_back(to_wx(name));
    choice_ = customizer.AddChoice(names.size(), &names[0]);
    choice_->SetSelection(0);
  }
  void TransferDataFromCustomControls() override { chosen_ = choice_->GetSelection(); }
  int chosen() const { return chosen_ < 0 ? 0 : chosen_; }

 private:
  const std::vector<std::string>& encodings_;
  wxFileDialogChoice* choice_ = nullptr;
  int chosen_ = 0;
};

}  // namespace

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

bool WxPrompts::Offer(const std::string& text, const std::string& caption,
                      const std::string& action) {
  MessageDialog box(parent_, to_wx(text), to_wx(caption), MessageDialog::kOffer, to_wx(action));
  return box.ShowModal() == wxID_YES;
}

std::string WxPrompts::ChooseFile(const FileDialogSpec& spec, bool save, int* encoding) {
  wxString wildcard;
  for (const FileFilter& filter : FileDialogs::Filters(spec)) {
    if (!wildcard.empty()) wildcard += "|";
    wildcard += to_wx(filter.label) + "|" + wxString::FromUTF8(filter.pattern);
  }
  const std::string folder =
      FileDialogs::StartFolder(spec, lastFolder_, path_from_wx(wxGetHomeDir()));
  const long style = save ? wxFD_SAVE | wxFD_OVERWRITE_PROMPT : wxFD_OPEN | wxFD_FILE_MUST_EXIST;
  wxFileDialog dialog(parent_, to_wx(spec.title), path_to_wx(folder), path_to_wx(spec.proposedName),
                      wildcard, style);
  EncodingChoice encodings(spec.encodings);
  if (encoding != nullptr && !spec.encodings.empty()) dialog.SetCustomizeHook(encodings);
  if (dialog.ShowModal() != wxID_OK) return {};
  if (encoding != nullptr) *encoding = spec.encodings.empty() ? 0 : encodings.chosen();
  const std::string chosen = path_from_wx(dialog.GetPath());
  std::string path = chosen;
  if (save) {
    path = FileDialogs::SavedPath(chosen, spec, dialog.GetFilterIndex());
    // The dialog asked about the name as typed; the name with its extension is asked here.
    if (path != chosen && wxFileExists(path_to_wx(path)) &&
        !AskYesNo(TextCodec::Utf8ToCp936(path) + Cp936(u8"\n文件已存在, 要替换它吗?"),
                  spec.title)) {
      return {};
    }
  }
  lastFolder_ = FileDialogs::FolderOf(path);
  return path;
}

std::string WxPrompts::ChooseSaveFile(const FileDialogSpec& spec) { return ChooseFile(spec, true); }

std::string WxPrompts::ChooseSaveFileWithEncoding(const FileDialogSpec& spec, int& encoding) {
  encoding = 0;
  return ChooseFile(spec, true, &encoding);
}

std::string WxPrompts::ChooseOpenFile(const FileDialogSpec& spec) {
  return ChooseFile(spec, false);
}

std::string WxPrompts::ChooseFolder(const std::string& startFolder) {
  FileDialogSpec spec;
  spec.startFolder = startFolder;
  const std::string folder =
      FileDialogs::StartFolder(spec, lastFolder_, path_from_wx(wxGetHomeDir()));
  wxDirDialog dialog(parent_, wxString::FromUTF8(u8"请选择文件夹"), path_to_wx(folder));
  if (dialog.ShowModal() != wxID_OK) return {};
  lastFolder_ = path_from_wx(dialog.GetPath());
  return lastFolder_;
}

bool WxPrompts::ChooseDatabaseKind(int& kind) {
  DatabaseKindDialog dialog(parent_, settings_.databaseKindNames, kind);
  if (dialog.ShowModal() != wxID_OK || dialog.chosenKind() < 0) return false;
  kind = dialog.chosenKind();
  return true;
}

}  // namespace tablora
