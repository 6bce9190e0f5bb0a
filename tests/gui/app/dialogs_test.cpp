// Our own message box, the database kind chooser and the about box, as the program shows them.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <wx/artprov.h>
#include <wx/button.h>
#include <wx/filedlg.h>
#include <wx/listbox.h>
#include <wx/radiobut.h>
#include <wx/stattext.h>

#include "app/command_table.h"
#include "app/gui/about_dialog.h"
#include "app/gui/command_ids.h"
#include "app/gui/database_kind_dialog.h"
#include "app/gui/dialog_colours.h"
#include "app/gui/main_frame.h"
#include "app/gui/message_dialog.h"
#include "app/gui/subsystem_hooks.h"
#include "app/gui/tablora_app.h"
#include "app/gui/wx_prompts.h"
#include "app_test_support.h"
#include "base/app_state.h"
#include "base/text_codec.h"
#include "base/text_file.h"
#include "db/connect/connect_form.h"
#include "db/gui/connect_dialog.h"
#include "db/gui/password_dialog.h"
#include "db/gui/server_browser_dialog.h"
#include "model/design.h"
#include "support/scripted_prompts.h"
#include "ui/arrange_layout.h"
#include "ui/gui/arrange_dialog.h"
#include "ui/gui/colour_dialog.h"
#include "ui/gui/group_edit_dialog.h"

namespace tablora::testing {
namespace {

template <typename T>
T* FindOpenDialog() {
  for (wxWindow* window : wxTopLevelWindows) {
    if (auto* dialog = dynamic_cast<T*>(window)) {
      if (dialog->IsShown()) return dialog;
    }
  }
  return nullptr;
}

struct SeenBox {
  bool found = false;
  wxColour background;
  wxColour labelColour;
  wxString labelText;
  std::vector<wxString> buttons;
};

SeenBox InspectAndAnswer(int answer) {
  SeenBox seen;
  MessageDialog* box = FindOpenDialog<MessageDialog>();
  if (box == nullptr) return seen;
  seen.found = true;
  seen.background = box->GetBackgroundColour();
  for (wxWindow* child : box->GetChildren()) {
    if (auto* button = dynamic_cast<wxButton*>(child)) seen.buttons.push_back(button->GetLabel());
    if (auto* label = dynamic_cast<wxStaticText*>(child)) {
      seen.labelColour = label->GetForegroundColour();
      seen.labelText = label->GetLabel();
    }
  }
  box->EndModal(answer);
  return seen;
}

TEST(OurMessageBox, QuestionWithCancelInTheDialogColours) {
  WxPrompts prompts(&Frame(), Frame().appState().settings);
  SeenBox seen;
  Later([&] { seen = InspectAndAnswer(wxID_NO); });
  const Answer answer = prompts.AskYesNoCancel(Cp936(u8"将改动保存到 a.sql？"), "Tablora");
  EXPECT_EQ(answer, Answer::kNo);
  ASSERT_TRUE(seen.found);
  const DialogColours& colours = wxGetApp().dialogColours();
  EXPECT_EQ(seen.background, colours.background());
  EXPECT_EQ(seen.labelColour, colours.text());
  EXPECT_EQ(seen.labelText, wxString::FromUTF8(u8"将改动保存到 a.sql？"));
  EXPECT_EQ(seen.buttons,
            (std::vector<wxString>{wxString::FromUTF8(u8"是(&Y)"), wxString::FromUTF8(u8"否(&N)"),
                                   wxString::FromUTF8(u8"取消")}));
}

TEST(OurMessageBox, YesNoAndOkBoxes) {
  WxPrompts prompts(&Frame(), Frame().appState().settings);
  SeenBox seen;
  Later([&] { seen = InspectAndAnswer(wxID_YES); });
  EXPECT_TRUE(prompts.AskYesNo(Cp936(u8"替换当前的设计吗？"), ""));
  EXPECT_EQ(seen.buttons, (std::vector<wxString>{wxString::FromUTF8(u8"是(&Y)"),
                                                 wxString::FromUTF8(u8"否(&N)")}));

  Later([&] { seen = InspectAndAnswer(wxID_OK); });
  prompts.ShowMessage(Cp936(u8"没有数据!"), "");
  EXPECT_EQ(seen.buttons, (std::vector<wxString>{wxString::FromUTF8(u8"确定")}));
  EXPECT_EQ(seen.labelText, wxString::FromUTF8(u8"没有数据!"));
}

TEST(OurMessageBox, UndecodableBytesDoNotBlankTheText) {
  WxPrompts prompts(&Frame(), Frame().appState().settings);
  SeenBox seen;
  Later([&] { seen = InspectAndAnswer(wxID_OK); });
  prompts.ShowMessage(
      "abc\xFF"
      "def",
      "");
  EXPECT_EQ(seen.labelText, "abc?def");
}

TEST(DatabaseKindChooser, ListsTheKindsAndReturnsTheChoice) {
  Settings& settings = Frame().appState().settings;
  const std::vector<std::string> saved = settings.databaseKindNames;
  settings.databaseKindNames = {"MS SQL Server", "MS Access", "Oracle"};
  WxPrompts prompts(&Frame(), settings);
  int listed = -1;
  int preselected = -2;
  Later([&] {
    DatabaseKindDialog* dialog = FindOpenDialog<DatabaseKindDialog>();
    if (dialog == nullptr) return;
    listed = 0;
    for (int i = 0; i < DatabaseKindDialog::kSlots; ++i) {
      auto* button =
          wxDynamicCast(dialog->FindWindow(DatabaseKindDialog::kFirstKindId + i), wxRadioButton);
      if (button == nullptr || !button->IsShown()) continue;
      ++listed;
      if (button->GetValue()) preselected = i;
    }
    EXPECT_EQ(wxString("Oracle"),
              dialog->FindWindow(DatabaseKindDialog::kFirstKindId + 2)->GetLabel());
    wxDynamicCast(dialog->FindWindow(DatabaseKindDialog::kFirstKindId + 2), wxRadioButton)
        ->SetValue(true);
    dialog->EndModal(wxID_OK);
  });
  int kind = 1;
  EXPECT_TRUE(prompts.ChooseDatabaseKind(kind));
  EXPECT_EQ(kind, 2);
  EXPECT_EQ(listed, 3);
  EXPECT_EQ(preselected, 1);

  Later([&] {
    if (auto* dialog = FindOpenDialog<DatabaseKindDialog>()) dialog->EndModal(wxID_CANCEL);
  });
  kind = 0;
  EXPECT_FALSE(prompts.ChooseDatabaseKind(kind));
  EXPECT_EQ(kind, 0);
  settings.databaseKindNames = saved;
}

TEST(AboutBox, ScrollsPausesOnLeftClickAndSwitchesLinesOnRightClick) {
  AboutDialog about(&Frame());
  about.Show();
  const int start = about.scroller().offset();
  EXPECT_EQ(start, about.canvas()->GetClientSize().y - 100);
  EXPECT_TRUE(WaitFor([&] { return about.scroller().offset() <= start - 5; }, 3000));

  wxMouseEvent left(wxEVT_LEFT_DOWN);
  left.SetEventObject(about.canvas());
  about.canvas()->ProcessWindowEvent(left);
  const int paused = about.scroller().offset();
  PumpEvents(200);
  EXPECT_EQ(about.scroller().offset(), paused);
  about.canvas()->ProcessWindowEvent(left);
  EXPECT_TRUE(WaitFor([&] { return about.scroller().offset() < paused; }));

  wxMouseEvent right(wxEVT_RIGHT_DOWN);
  right.SetEventObject(about.canvas());
  about.canvas()->ProcessWindowEvent(right);
  EXPECT_EQ(about.scroller().lineSet(), AboutScroller::LineSet::kSecond);
  wxMouseEvent rightDouble(wxEVT_RIGHT_DCLICK);
  rightDouble.SetEventObject(about.canvas());
  about.canvas()->ProcessWindowEvent(rightDouble);
  EXPECT_EQ(about.scroller().lineSet(), AboutScroller::LineSet::kSingle);
  about.Hide();
}

}  // namespace
}  // namespace tablora::testing

namespace tablora::testing {
namespace {

struct SeenFileDialog {
  bool found = false;
  wxString title;
  wxString directory;
  wxString name;
  wxString wildcard;
  int filterIndex = -1;
  wxColour background;
};

/// Notes the desktop's file dialog as it starts (before the program's own handling of
/// new dialogs), then, once it has listed its folder, takes a picture of the screen,
/// notes what it shows and cancels it, or accepts `accept` when that is set.
class FileDialogWatcher : public wxEventFilter {
 public:
  explicit FileDialogWatcher(SeenFileDialog& seen, wxString picture, wxString accept = {})
      : seen_(seen), picture_(std::move(picture)), accept_(std::move(accept)) {
    wxEvtHandler::AddFilter(this);
  }
  ~FileDialogWatcher() override { wxEvtHandler::RemoveFilter(this); }

  int FilterEvent(wxEvent& event) override {
    if (event.GetEventType() != wxEVT_INIT_DIALOG) return Event_Skip;
    auto* dialog = dynamic_cast<wxFileDialog*>(event.GetEventObject());
    if (dialog == nullptr || seen_.found) return Event_Skip;
    seen_.found = true;
    // The chooser lists its folder in the background: give it time before the picture.
    Later(
        [this, dialog] {
          seen_.title = dialog->GetMessage();  // the window title of a file dialog
          seen_.directory = dialog->GetDirectory();
          seen_.name = dialog->GetFilename();
          seen_.wildcard = dialog->GetWildcard();
          seen_.filterIndex = dialog->GetFilterIndex();
          seen_.background = dialog->GetBackgroundColour();
          if (!picture_.empty()) {
            wxExecute("import -window root " + picture_, wxEXEC_SYNC | wxEXEC_NODISABLE);
          }
          if (accept_.empty()) {
            dialog->EndModal(wxID_CANCEL);
            return;
          }
          dialog->SetPath(accept_);
          PumpEvents(300);
          dialog->EndModal(wxID_OK);
        },
        1500);
    return Event_Skip;
  }

 private:
  SeenFileDialog& seen_;
  wxString picture_;
  wxString accept_;
};

TEST(FileDialogs, EachHasItsTitleFiltersAndFolderInTheDesktopsColours) {
  char folderName[] = "/tmp/tablora_file_dialogs_XXXXXX";
  ASSERT_NE(mkdtemp(folderName), nullptr);
  const std::string folder = folderName;
  const std::string pictures = folder + "/pictures";
  ASSERT_EQ(mkdir(pictures.c_str(), 0700), 0);
  const std::string script =
      "CREATE TABLE [dbo].[t_user] (\r\n\t[id] [int] NOT NULL \r\n) ON [PRIMARY]\r\nGO\r\n";
  for (const char* name : {"shop.sql", "orders.sql", "notes.txt"}) {
    ASSERT_TRUE(TextFile::WriteBytes(folder + "/" + name, script));
  }
  ResetToOneDesignWindow();
  Frame().SetSession(CreateDesignSession(Frame()));
  const size_t recentBefore = Frame().fileHistory().GetCount();
  ASSERT_TRUE(Frame().OpenDesignScript(folder + "/shop.sql"));

  const wxString sql = wxString::FromUTF8(u8"SQL 脚本 (*.sql)|*.sql;*.SQL|");
  const wxString all = wxString::FromUTF8(u8"所有文件 (*.*)|*");
  const struct {
    int command;
    const char* title;
    wxString wildcard;
    std::string directory;
    const char* name;    // the name proposed, or nullptr for a list that picks its first file
    std::string accept;  // a path the user picks, or "" for cancel
  } cases[] = {
      {cmd::kFileSaveAs, u8"保存为",
       sql + wxString::FromUTF8(u8"文本文件 (*.txt)|*.txt;*.TXT|") + all, folder, "shop.sql", ""},
      {cmd::kFileOpen, u8"打开MSSQL脚本",
       sql + wxString::FromUTF8(u8"MS Access 数据库 (*.mdb)|*.mdb;*.MDB|") + all, folder, nullptr,
       ""},
      // The picture goes elsewhere, named without its extension: the dialog adds it.
      {cmd::kExportPicture, u8"导出图片",
       wxString::FromUTF8(u8"PNG 图片 (*.png)|*.png;*.PNG|SVG 图片 (*.svg)|*.svg;*.SVG|"
                          u8"PDF 文件 (*.pdf)|*.pdf;*.PDF|") +
           all,
       folder, "shop.png", pictures + "/shop"},
      // Generated code opens where the last file was chosen.
      {cmd::kGenCStruct, u8"产生C结构", wxString::FromUTF8(u8"C 头文件 (*.h)|*.h;*.H|") + all,
       pictures, "", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.title);
    SeenFileDialog seen;
    FileDialogWatcher watcher(
        seen, c.command == cmd::kFileSaveAs ? wxString(TABLORA_BUILD_DIR) + "/save_as_dialog.png" : "",
        wxString::FromUTF8(c.accept));
    wxCommandEvent command(wxEVT_MENU, ToWxId(c.command));
    Frame().GetEventHandler()->ProcessEvent(command);
    PumpEvents(100);

    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.title, wxString::FromUTF8(c.title));
    EXPECT_EQ(seen.wildcard, c.wildcard);
    EXPECT_EQ(seen.filterIndex, 0);
    EXPECT_EQ(seen.directory, wxString::FromUTF8(c.directory));
    if (c.name != nullptr) {
      EXPECT_EQ(seen.name, wxString::FromUTF8(c.name));
    }
    EXPECT_NE(seen.background, wxGetApp().dialogColours().background())
        << "the desktop's dialog keeps its own colours";
  }
  EXPECT_TRUE(wxFileExists(wxString::FromUTF8(pictures + "/shop.png")))
      << "the picture got the extension of its filter";
  EXPECT_EQ(Frame().session()->currentPath(), folder + "/shop.sql") << "cancel changes nothing";
  Frame().SetSession(nullptr);
  Frame().appState().designHasContent = false;
  while (Frame().fileHistory().GetCount() > recentBefore) {
    Frame().fileHistory().RemoveFileFromHistory(0);
  }
  for (const char* name : {"shop.sql", "orders.sql", "notes.txt", "pictures/shop.png"}) {
    std::remove((folder + "/" + name).c_str());
  }
  rmdir(pictures.c_str());
  rmdir(folderName);
}

}  // namespace
}  // namespace tablora::testing

namespace tablora::testing {
namespace {

/// The pixels of a bitmap, for comparing pictures.
std::vector<unsigned char> Pixels(const wxBitmap& bitmap) {
  const wxImage image = bitmap.ConvertToImage();
  const unsigned char* data = image.GetData();
  std::vector<unsigned char> pixels(data, data + image.GetWidth() * image.GetHeight() * 3);
  if (image.HasAlpha()) {
    const unsigned char* alpha = image.GetAlpha();
    pixels.insert(pixels.end(), alpha, alpha + image.GetWidth() * image.GetHeight());
  }
  return pixels;
}

// Each dialog's buttons show the program's drawn picture for their meaning beside their
// text, at the size GTK gives button images.
TEST(ButtonPictures, DialogButtonsShowTheProgramsPicturesBesideTheirTexts) {
  ScriptedPrompts prompts;
  OpenEmptyDesign(prompts);
  Design& design = *Frame().session()->design();
  ConnectForm form("/nonexistent/logintmp.ini");  // the dialog reads no logins itself
  const std::vector<std::string> kinds = {"MS SQL Server", "MS Access", "Oracle"};
  wxSize size = wxArtProvider::GetSizeHint(wxART_BUTTON);
  ASSERT_TRUE(size.x > 0 && size.y > 0);
  struct Button {
    int id;
    const char* label;  ///< UTF-8
    const char* picture;
  };
  struct Case {
    const char* name;
    std::function<wxDialog*()> make;
    std::vector<Button> buttons;
  };
  const Button ok{wxID_OK, u8"确定", "ok.png"};
  const Button cancel{wxID_CANCEL, u8"取消", "cancel.png"};
  const Button quit{wxID_CANCEL, u8"退出", "cancel.png"};
  const Case cases[] = {
      {"kind_chooser", [&] { return new DatabaseKindDialog(&Frame(), kinds, 0); }, {ok, quit}},
      {"connect",
       [&] { return new ConnectDialog(&Frame(), form, prompts, kinds); },
       {{wxID_OK, u8"ADO连接(Enter)", "connect.png"},
        {ConnectDialog::kDataLinkId, u8"ODBC连接(&O)", "odbc_connect.png"},
        cancel}},
      {"password", [&] { return new PasswordDialog(&Frame(), prompts, kinds, 1); }, {ok, cancel}},
      {"server_browser",
       [&] { return new ServerBrowserDialog(&Frame(), prompts, {"(local)"}); },
       {{wxID_OK, u8"确定(Enter)", "ok.png"},
        {ServerBrowserDialog::kTestId, u8"测试连接(&T)", "test_connection.png"},
        quit}},
      {"arrange", [&] { return new ArrangeDialog(&Frame(), prompts, ArrangeOptions()); },
       {ok, cancel}},
      {"colour",
       [&] { return new ColourDialog(&Frame(), design, -1, 1); },
       {ok, {ColourDialog::kChooseId, u8"选择颜色(&C)...", "choose_colour.png"}, quit}},
      {"group_edit", [&] { return new GroupEditDialog(&Frame(), design, "g", {}); },
       {ok, cancel}},
  };
  const std::string icons = Frame().appState().settings.programFolder + "/icons/";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    wxDialog* dialog = c.make();
    dialog->Show();
    PumpEvents(200);
    for (const Button& b : c.buttons) {
      SCOPED_TRACE(b.picture);
      auto* button = wxDynamicCast(dialog->FindWindow(b.id), wxButton);
      ASSERT_NE(button, nullptr);
      EXPECT_EQ(button->GetLabel(), wxString::FromUTF8(b.label));
      const wxBitmap shown = button->GetBitmap();
      ASSERT_TRUE(shown.IsOk());
      EXPECT_EQ(shown.GetSize(), size);
      wxImage drawn(wxString(icons + b.picture), wxBITMAP_TYPE_PNG);
      ASSERT_TRUE(drawn.IsOk());
      if (drawn.GetSize() != size) drawn.Rescale(size.x, size.y, wxIMAGE_QUALITY_HIGH);
      EXPECT_EQ(Pixels(shown), Pixels(wxBitmap(drawn)));
      // The text stays readable beside the picture.
      EXPECT_GE(button->GetSize().x, button->GetTextExtent(button->GetLabelText()).x + size.x);
    }
    wxYield();
    const std::string shot = std::string(TABLORA_BUILD_DIR) + "/screenshots/buttons_" + c.name +
                             ".png";
    const wxRect r = dialog->GetScreenRect();
    const std::string command = "mkdir -p '" TABLORA_BUILD_DIR "/screenshots' && import -window root -crop " +
                                std::to_string(r.width + 20) + "x" + std::to_string(r.height + 40) +
                                "+" + std::to_string(std::max(r.x - 10, 0)) + "+" +
                                std::to_string(std::max(r.y - 30, 0)) + " '" + shot + "'";
    EXPECT_EQ(std::system(command.c_str()), 0);
    dialog->Destroy();
    PumpEvents(50);
  }
  Frame().SetPrompts(nullptr);
  Frame().SetSession(nullptr);
}

}  // namespace
}  // namespace tablora::testing
