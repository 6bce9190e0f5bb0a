// The two conversion tools through the main menu of the running program: real clicks on
// the dialogs' buttons, the real clipboard, the shipped tableformat folder and the real
// design behind the window.
#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/choice.h>
#include <wx/clipbrd.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include <functional>

#include "app/command_table.h"
#include "app/document_titles.h"
#include "app/gui/command_ids.h"
#include "app/gui/document_frame.h"
#include "app/gui/frame_design_view.h"
#include "app/gui/main_frame.h"
#include "app/gui/subsystem_hooks.h"
#include "app/gui/table_window_commands.h"
#include "app_test_support.h"
#include "base/gui/wx_text.h"
#include "base/text_codec.h"
#include "convert/definition_sample.h"
#include "convert/gui/definition_format_dialog.h"
#include "convert/gui/struct_to_table_dialog.h"
#include "model/design.h"
#include "support/scripted_prompts.h"
#include "ui/gui/table_editor_sheet.h"

namespace tablora::testing {
namespace {

wxString U(const char* utf8) { return wxString::FromUTF8(utf8); }

void SetClipboard(const wxString& text) {
  ASSERT_TRUE(wxTheClipboard->Open());
  wxTheClipboard->SetData(new wxTextDataObject(text));
  wxTheClipboard->Close();
}

wxString Clipboard() {
  wxTextDataObject data;
  if (wxTheClipboard->Open()) {
    wxTheClipboard->GetData(data);
    wxTheClipboard->Close();
  }
  return data.GetText();
}

/// A real mouse click in the middle of the dialog's button `id`.
void ClickButton(wxWindow* dialog, int id) {
  wxWindow* button = dialog->FindWindow(id);
  ASSERT_NE(button, nullptr) << id;
  const wxRect rect = button->GetScreenRect();
  wxUIActionSimulator sim;
  sim.MouseMove(rect.GetLeft() + rect.GetWidth() / 2, rect.GetTop() + rect.GetHeight() / 2);
  PumpEvents(60);
  sim.MouseClick();
  PumpEvents(120);
}

wxTextCtrl* Text(wxWindow* dialog, int id) {
  return wxDynamicCast(dialog->FindWindow(id), wxTextCtrl);
}

void Choose(wxWindow* dialog, int id, int index) {
  auto* choice = wxDynamicCast(dialog->FindWindow(id), wxChoice);
  choice->SetSelection(index);
  wxCommandEvent event(wxEVT_CHOICE, id);
  event.SetInt(index);
  event.SetEventObject(choice);
  choice->GetEventHandler()->ProcessEvent(event);
}

/// Runs `steps` on the modal dialog of type T once the menu command has opened it; false
/// when it never appeared.
template <typename T>
bool WithDialog(int command, std::function<void(T*)> steps) {
  bool seen = false;
  std::function<void()> poll;
  int tries = 0;
  poll = [&] {
    for (wxWindow* window : wxTopLevelWindows) {
      if (auto* dialog = dynamic_cast<T*>(window); dialog && dialog->IsModal()) {
        seen = true;
        dialog->Raise();
        PumpEvents(200);
        steps(dialog);
        if (dialog->IsModal()) dialog->EndModal(wxID_CANCEL);
        return;
      }
    }
    if (++tries < 50) Later(poll, 100);
  };
  Later(poll);
  EXPECT_TRUE(Frame().IsCommandEnabled(command)) << command;
  wxCommandEvent event(wxEVT_MENU, ToWxId(command));
  event.SetEventObject(&Frame());
  Frame().GetEventHandler()->ProcessEvent(event);
  PumpEvents(50);
  return seen;
}

std::vector<std::string> Items(wxWindow* dialog, int id) {
  std::vector<std::string> items;
  for (const wxString& item : wxDynamicCast(dialog->FindWindow(id), wxChoice)->GetStrings()) {
    items.push_back(item.utf8_string());
  }
  return items;
}

/// The text of a multi-line box with CR LF line ends, as the conversion writes it.
wxString WithCrLf(const wxString& text) {
  wxString copy = text;
  copy.Replace("\n", "\r\n");
  return copy;
}

TEST(ConvertDialogs, FormatConversionFromTheMenuWithTheClipboard) {
  ResetToOneDesignWindow();
  ScriptedPrompts prompts;
  Frame().SetPrompts(&prompts);
  using D = DefinitionFormatDialog;
  const bool seen = WithDialog<D>(cmd::kMacroToJava, [&](D* d) {
    EXPECT_EQ(d->GetTitle(), U(u8"格式转换"));
    // Opening: the shipped formats, the first of each selected, the sample as source.
    EXPECT_EQ(Items(d, D::kSourceFormats),
              (std::vector<std::string>{"define", "enum_item", "typed_const"}));
    EXPECT_EQ(Items(d, D::kOutputFormats),
              (std::vector<std::string>{u8"Java常量", u8"C#常量", u8"C++ constexpr常量",
                                        u8"C枚举项", u8"#define宏"}));
    EXPECT_TRUE(Text(d, D::kSourceFormatText)->GetValue().Contains("[f2_separators]"));
    EXPECT_EQ(Text(d, D::kOutputFormatText)->GetValue(),
              "public static final int %defname%=%defvalue%; //%comment%");
    EXPECT_EQ(WithCrLf(Text(d, D::kSourceText)->GetValue()), to_wx(DefinitionSample()));

    ClickButton(d, wxID_OK);  // 转换(&C): the dialog stays open
    const wxString java = Text(d, D::kResultText)->GetValue();
    EXPECT_EQ(java.Freq('\n'), 18);
    EXPECT_TRUE(java.StartsWith(
        U(u8"public static final int SUBLANG_CHINESE_TRADITIONAL=0x01; //汉语 (Taiwan Region)\n")));
    EXPECT_TRUE(java.EndsWith(U(
        u8"public static final int SUBLANG_ENGLISH_PHILIPPINES=0x0d; //English (Philippines)\n")));
    ClickButton(d, D::kCopyResult);
    EXPECT_EQ(Clipboard(), java);
    ClickButton(d, D::kCopySource);
    EXPECT_EQ(WithCrLf(Clipboard()), to_wx(DefinitionSample()));

    // Another source pasted from the clipboard, another source and output format.
    SetClipboard(U(u8"enum E {\n  // 甲\n  A = 1,\n  B = 2, // 乙\n};\n"));
    ClickButton(d, D::kPasteSource);
    EXPECT_EQ(Text(d, D::kSourceText)->GetValue(), Clipboard());
    Choose(d, D::kSourceFormats, 1);
    EXPECT_TRUE(Text(d, D::kSourceFormatText)->GetValue().Contains("DEFAULT (before=)"));
    Choose(d, D::kOutputFormats, 1);
    EXPECT_EQ(Text(d, D::kOutputFormatText)->GetValue(),
              "public const int %defname% = %defvalue%; // %comment%");
    ClickButton(d, wxID_OK);
    EXPECT_EQ(Text(d, D::kResultText)->GetValue(),
              U(u8"public const int A = 1; // 甲\npublic const int B = 2; // 乙\n"));
    EXPECT_TRUE(prompts.messages.empty());

    // The two messages; the result stays as it was.
    Text(d, D::kSourceText)->ChangeValue("");
    ClickButton(d, wxID_OK);
    Text(d, D::kSourceText)->ChangeValue("A = 1,");
    Text(d, D::kSourceFormatText)->ChangeValue("CREATE TABLE [t] (\n[a] [int] NULL\n)");
    ClickButton(d, wxID_OK);
    EXPECT_EQ(prompts.messages,
              (std::vector<std::string>{Cp936(u8"请输入源文本!"), Cp936(u8"不是两个表")}));
    EXPECT_TRUE(Text(d, D::kResultText)->GetValue().StartsWith("public const int A"));
    ClickButton(d, wxID_CANCEL);  // 退出(Esc)
    EXPECT_FALSE(d->IsModal());
  });
  EXPECT_TRUE(seen);
  Frame().SetPrompts(nullptr);
}

TEST(ConvertDialogs, StructuresFromTheClipboardBecomeTablesInAReopenedDesignView) {
  Frame().appState().designHasContent = false;
  Frame().SetSession(CreateDesignSession(Frame()));
  CloseAllDocuments();  // the design view is closed: the conversion opens it first
  ScriptedPrompts prompts;
  prompts.databaseKinds.push_back(0);
  Frame().SetPrompts(&prompts);
  const bool seen =
      WithDialog<StructToTableDialog>(cmd::kStructToTable, [&](StructToTableDialog* d) {
        EXPECT_EQ(d->GetTitle(), U(u8"C++结构转成表结构设置"));
        SetClipboard(
            U(u8"// 用户表:all users(组)base\ntypedef struct {\n  char name[20]; //姓名:login\n"
              u8"  unsigned long id; // 北京倉\n} USER;\nstruct B {\n  int b;\n};\n"));
        ClickButton(d, StructToTableDialog::kPaste);
        EXPECT_EQ(Text(d, StructToTableDialog::kCode)->GetValue(), Clipboard());
        ClickButton(d, wxID_OK);  // 转换
      });
  ASSERT_TRUE(seen);
  EXPECT_TRUE(WaitFor([] { return !Frame().documents().empty(); }));
  ASSERT_NE(Frame().FindView(DocumentTitles::DesignView()), nullptr);
  Design* design = Frame().session()->design();
  ASSERT_NE(design, nullptr);
  ASSERT_EQ(design->tableCount(), 2);
  const std::vector<TableDesign>& tables = design->RefreshTableDefinitions();
  ASSERT_EQ(tables.size(), 2u);
  EXPECT_EQ(tables[0].actualName, "USER");
  EXPECT_EQ(tables[0].displayName, Cp936(u8"用户表"));
  EXPECT_EQ(tables[0].group, "base");
  ASSERT_EQ(tables[0].columns.size(), 2u);
  EXPECT_EQ(tables[0].columns[0].length, 20);
  EXPECT_EQ(tables[0].columns[0].displayName, Cp936(u8"姓名"));
  EXPECT_EQ(tables[0].columns[1].typeName, "unsigned+long");
  EXPECT_EQ(tables[0].columns[1].note, Cp936(u8"北京倉"));
  EXPECT_EQ(tables[1].actualName, "B");
  EXPECT_EQ(prompts.databaseKindDialogs, 1);
  EXPECT_TRUE(Frame().appState().designHasContent);
  EXPECT_TRUE(Frame().session()->modified());
  EXPECT_TRUE(WaitFor([] { return Frame().session()->Tables().size() == 2; }));

  // Cancel adds nothing.
  EXPECT_TRUE(WithDialog<StructToTableDialog>(cmd::kStructToTable, [](StructToTableDialog* d) {
    Text(d, StructToTableDialog::kCode)->ChangeValue("struct C {\n int c;\n};\n");
    ClickButton(d, wxID_CANCEL);
  }));
  EXPECT_EQ(design->tableCount(), 2);

  Frame().SetPrompts(nullptr);
  Frame().SetSession(nullptr);
  Frame().appState().designHasContent = false;
  ResetToOneDesignWindow();
}

TEST(ConvertDialogs, ConversionWhileANewTableIsStillBeingTypedKeepsBothTables) {
  Frame().SetSession(CreateDesignSession(Frame()));
  ResetToOneDesignWindow();
  ScriptedPrompts prompts;
  prompts.databaseKinds.push_back(0);
  Frame().SetPrompts(&prompts);
  Frame().tableCommands().NewTable();  // "新建表": its sheet is open, its text not built yet
  ASSERT_TRUE(WaitFor([] {
    TableEditorSheet* sheet = Frame().designWindow().Sheet(0);
    return sheet != nullptr && sheet->IsShown();
  }));
  TableEditorSheet& sheet = *Frame().designWindow().Sheet(0);
  sheet.displayNameBox()->SetValue("t_new");
  sheet.Move(0, 640);  // aside, below where the dialog will stand
  PumpEvents(50);
  Design& design = *Frame().session()->design();
  ASSERT_TRUE(design.definitions().empty());

  EXPECT_TRUE(WithDialog<StructToTableDialog>(cmd::kStructToTable, [](StructToTableDialog* d) {
    Text(d, StructToTableDialog::kCode)->ChangeValue(U(u8"struct S {\n  int s; // 甲\n};\n"));
    ClickButton(d, wxID_OK);
  }));
  ASSERT_EQ(design.tableCount(), 2);
  sheet.CloseSheet();  // the new table's text is built now, into its own place
  PumpEvents(100);
  const std::vector<TableDesign>& tables = design.RefreshTableDefinitions();
  ASSERT_EQ(tables.size(), 2u);
  EXPECT_EQ(tables[0].actualName, "t_new");
  EXPECT_EQ(tables[1].actualName, "S");
  ASSERT_EQ(tables[1].columns.size(), 1u);
  EXPECT_EQ(tables[1].columns[0].note, Cp936(u8"甲"));
  EXPECT_EQ(prompts.databaseKindDialogs, 1);

  Frame().SetPrompts(nullptr);
  Frame().SetSession(nullptr);
  Frame().appState().designHasContent = false;
  ResetToOneDesignWindow();
}

}  // namespace
}  // namespace tablora::testing
