#include "convert/gui/definition_format_dialog.h"

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/clipbrd.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "base/gui/wx_text.h"
#include "base/prompts.h"
#include "base/text_codec.h"
#include "convert/definition_conversion.h"
#include "convert/definition_sample.h"
#include "convert/gui/convert_host.h"
#include "model/script_parser.h"

namespace tablora {

namespace {

wxString U(const char* utf8) { return wxString::FromUTF8(utf8); }

/// A code page 936 text for a box, which shows line feeds.
wxString ForBox(const std::string& cp936) {
  wxString text = to_wx(cp936);
  text.Replace("\r\n", "\n");
  return text;
}

wxTextCtrl* TextBox(wxWindow* parent, int id, long style = 0) {
  return new wxTextCtrl(parent, id, wxEmptyString, wxDefaultPosition, wxSize(-1, 90),
                        wxTE_MULTILINE | wxTE_RICH2 | wxHSCROLL | style);
}

/// The clipboard's text, or nothing when it holds none.
bool ClipboardText(wxString& text) {
  if (!wxTheClipboard->Open()) return false;
  wxTextDataObject data;
  const bool ok = wxTheClipboard->IsSupported(wxDF_UNICODETEXT) && wxTheClipboard->GetData(data);
  wxTheClipboard->Close();
  if (ok) text = data.GetText();
  return ok;
}

}  // namespace

DefinitionFormatDialog::DefinitionFormatDialog(wxWindow* parent, const std::string& programFolder,
                                               Prompts& prompts)
    : wxDialog(parent, wxID_ANY, U(u8"格式转换"), wxDefaultPosition, wxSize(760, 640),
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      programFolder_(programFolder),
      prompts_(prompts),
      folder_(programFolder) {
  // Source format (left) and output format (right).
  auto* sourceBox = new wxStaticBoxSizer(wxVERTICAL, this, U(u8"源方"));
  sourceFormatsBox_ = new wxChoice(sourceBox->GetStaticBox(), kSourceFormats);
  sourceFormatText_ = TextBox(sourceBox->GetStaticBox(), kSourceFormatText);
  sourceBox->Add(sourceFormatsBox_, 0, wxEXPAND | wxALL, 4);
  sourceBox->Add(sourceFormatText_, 1, wxEXPAND | wxALL, 4);

  auto* targetBox = new wxBoxSizer(wxVERTICAL);
  targetBox->Add(new wxStaticText(this, wxID_ANY, U(u8"转换到-->")), 0, wxALL, 4);
  outputFormatsBox_ = new wxChoice(this, kOutputFormats);
  targetBox->Add(outputFormatsBox_, 0, wxEXPAND | wxALL, 4);
  targetBox->Add(new wxStaticText(this, wxID_ANY, U(u8"输出结果格式:")), 0, wxALL, 4);
  outputFormatText_ = TextBox(this, kOutputFormatText);
  outputFormatText_->SetMinSize(wxSize(-1, 60));
  targetBox->Add(outputFormatText_, 0, wxEXPAND | wxALL, 4);
  targetBox->Add(new wxStaticText(this, wxID_ANY,
                                  U(u8"格式:用百分号在字段名两边.如:\n%defname%或%defvalue%等等")),
                 0, wxALL, 4);

  auto* formats = new wxBoxSizer(wxHORIZONTAL);
  formats->Add(sourceBox, 1, wxEXPAND | wxALL, 4);
  formats->Add(targetBox, 1, wxEXPAND | wxALL, 4);

  // Source text with its clipboard buttons.
  auto* sourceHead = new wxBoxSizer(wxHORIZONTAL);
  sourceHead->Add(new wxStaticText(this, wxID_ANY, U(u8"请输入或粘贴源文本")), 1,
                  wxALIGN_CENTER_VERTICAL | wxALL, 4);
  sourceHead->Add(new wxButton(this, kPasteSource, U(u8"从剪贴板粘贴(&A)")), 0, wxALL, 4);
  sourceHead->Add(new wxButton(this, kCopySource, U(u8"复制到剪贴板(&B)")), 0, wxALL, 4);
  sourceText_ = TextBox(this, kSourceText);

  // Result with its copy button, then convert and exit.
  auto* resultHead = new wxBoxSizer(wxHORIZONTAL);
  resultHead->Add(new wxStaticText(this, wxID_ANY, U(u8"转换结果如下")), 1,
                  wxALIGN_CENTER_VERTICAL | wxALL, 4);
  resultHead->Add(new wxButton(this, kCopyResult, U(u8"复制到剪贴板(&C)")), 0, wxALL, 4);
  resultText_ = TextBox(this, kResultText);

  auto* buttons = new wxBoxSizer(wxHORIZONTAL);
  buttons->AddStretchSpacer();
  auto* convert = new wxButton(this, wxID_OK, U(u8"转换(&C)"));
  buttons->Add(convert, 0, wxALL, 4);
  buttons->Add(new wxButton(this, wxID_CANCEL, U(u8"退出(Esc)")), 0, wxALL, 4);
  convert->SetDefault();

  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(formats, 2, wxEXPAND);
  top->Add(sourceHead, 0, wxEXPAND | wxLEFT | wxRIGHT, 4);
  top->Add(sourceText_, 3, wxEXPAND | wxLEFT | wxRIGHT, 8);
  top->Add(resultHead, 0, wxEXPAND | wxLEFT | wxRIGHT, 4);
  top->Add(resultText_, 3, wxEXPAND | wxLEFT | wxRIGHT, 8);
  top->Add(buttons, 0, wxEXPAND | wxALL, 4);
  SetSizer(top);
  Layout();

  Bind(
      wxEVT_BUTTON, [this](wxCommandEvent&) { Convert(); }, wxID_OK);
  Bind(
      wxEVT_BUTTON,
      [this](wxCommandEvent&) {
        wxString text;
        if (ClipboardText(text)) sourceText_->ChangeValue(text);
      },
      kPasteSource);
  Bind(
      wxEVT_BUTTON, [this](wxCommandEvent&) { CopyToClipboard(sourceText_->GetValue()); },
      kCopySource);
  Bind(
      wxEVT_BUTTON, [this](wxCommandEvent&) { CopyToClipboard(resultText_->GetValue()); },
      kCopyResult);
  Bind(
      wxEVT_CHOICE, [this](wxCommandEvent& e) { SelectSourceFormat(e.GetSelection()); },
      kSourceFormats);
  Bind(
      wxEVT_CHOICE, [this](wxCommandEvent& e) { SelectOutputFormat(e.GetSelection()); },
      kOutputFormats);

  outputFormats_ = folder_.OutputFormats();
  for (const OutputFormat& format : outputFormats_) outputFormatsBox_->Append(to_wx(format.name));
  sourceFormats_ = folder_.SourceFormats();
  for (const std::string& name : sourceFormats_) sourceFormatsBox_->Append(path_to_wx(name));
  SelectSourceFormat(0);
  SelectOutputFormat(0);
  sourceText_->ChangeValue(ForBox(DefinitionSample()));
  sourceText_->SetFocus();
  CentreOnParent();
}

void DefinitionFormatDialog::SelectSourceFormat(int index) {
  if (index < 0 || index >= static_cast<int>(sourceFormats_.size())) return;
  sourceFormatsBox_->SetSelection(index);
  std::string script;
  if (folder_.ReadSourceFormat(sourceFormats_[index], script)) {
    sourceFormatText_->ChangeValue(ForBox(script));
  }
}

void DefinitionFormatDialog::SelectOutputFormat(int index) {
  if (index < 0 || index >= static_cast<int>(outputFormats_.size())) return;
  outputFormatsBox_->SetSelection(index);
  outputFormatText_->ChangeValue(to_wx(outputFormats_[index].text));
}

void DefinitionFormatDialog::Convert() {
  // The boxes show line feeds; the reader and the output want the file's CR LF.
  auto crlf = [](const wxString& text) {
    wxString copy = text;
    copy.Replace("\r\n", "\n");
    copy.Replace("\n", "\r\n");
    return from_wx(copy);
  };
  ScriptParser parser(programFolder_);
  const ConversionResult result = DefinitionConversion(parser).Convert(
      crlf(sourceFormatText_->GetValue()), from_wx(outputFormatText_->GetValue()),
      crlf(sourceText_->GetValue()));
  if (!result.ok()) {
    const bool missing = result.message == Cp936(u8"缺少文件!");
    prompts_.ShowMessage(result.message, missing ? result.message : "Tablora");
    return;
  }
  resultText_->ChangeValue(ForBox(result.text));
}

void DefinitionFormatDialog::CopyToClipboard(const wxString& text) {
  if (!wxTheClipboard->Open()) return;
  wxTheClipboard->SetData(new wxTextDataObject(text));
  wxTheClipboard->Close();
}

void RunDefinitionFormatDialog(ConvertHost& host) {
  DefinitionFormatDialog dialog(host.DialogParent(), host.programFolder(), host.prompts());
  dialog.ShowModal();
}

}  // namespace tablora
