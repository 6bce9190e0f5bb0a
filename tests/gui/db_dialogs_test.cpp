#include <gtest/gtest.h>
#include <sys/stat.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/listbox.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>
#include <wx/wx.h>

#include <functional>

#include "base/text_file.h"
#include "db/access/odbc_environment.h"
#include "db/connect/connect_form.h"
#include "db/connect/database_dialogs.h"
#include "db/gui/connect_dialog.h"
#include "db/gui/data_link_dialog.h"
#include "db/gui/server_browser_dialog.h"
#include "support/gui_test_support.h"
#include "support/scripted_prompts.h"

namespace tablora {
namespace {

using testing::Click;

template <typename T>
T* Control(wxWindow& dialog, int id) {
  return wxDynamicCast(dialog.FindWindow(id), T);
}

/// Runs `action` on the modal dialog of type D once it is shown.
template <typename D>
void WhenShown(std::function<void(D&)> action) {
  auto poll = std::make_shared<std::function<void()>>();
  *poll = [action, poll]() {
    for (wxWindow* w : wxTopLevelWindows) {
      if (auto* dialog = dynamic_cast<D*>(w); dialog && dialog->IsModal() && dialog->IsShown()) {
        testing::PumpEvents(100);
        action(*dialog);
        return;
      }
    }
    wxTheApp->CallAfter(*poll);
  };
  wxTheApp->CallAfter(*poll);
}

void TypeInto(wxTextEntry* entry, wxWindow* window, const char* text) {
  window->SetFocus();
  entry->SelectAll();
  testing::PumpEvents(60);
  wxUIActionSimulator sim;
  sim.Text(text);
  testing::PumpEvents(150);
}

std::string Bytes(const std::string& path) {
  std::string bytes;
  TextFile::ReadBytes(path, bytes);
  return bytes;
}

TEST(DbConnectDialog, SavedLoginsFromFirstStartToClearedPassword) {
  const std::string path = ::testing::TempDir() + "gui_logintmp.ini";
  std::remove(path.c_str());
  testing::ScriptedPrompts prompts;
  {
    ConnectForm form(path);
    ASSERT_TRUE(form.Load());
    ConnectDialog dialog(nullptr, form, prompts, {"MS SQL Server", "MS Access", "Oracle"});
    EXPECT_EQ(wxString::FromUTF8(u8"连接数据库"), dialog.GetTitle());
    auto* host = Control<wxComboBox>(dialog, ConnectDialog::kHostId);
    ASSERT_EQ(2u, host->GetCount());
    EXPECT_EQ("(local)", host->GetString(0));
    EXPECT_EQ("(local)", host->GetString(1));
    EXPECT_EQ("Northwind", Control<wxTextCtrl>(dialog, ConnectDialog::kDatabaseId)->GetValue());
    EXPECT_EQ("sa", Control<wxTextCtrl>(dialog, ConnectDialog::kUserId)->GetValue());
    EXPECT_EQ("", Control<wxTextCtrl>(dialog, ConnectDialog::kPasswordId)->GetValue());
    EXPECT_FALSE(Control<wxCheckBox>(dialog, ConnectDialog::kSavePasswordId)->GetValue());
    EXPECT_FALSE(dialog.FindWindow(ConnectDialog::kBrowseId)->IsShown());

    // A typed host and a saved password overwrite entry 1.
    WhenShown<ConnectDialog>([](ConnectDialog& d) {
      TypeInto(Control<wxComboBox>(d, ConnectDialog::kHostId), d.FindWindow(ConnectDialog::kHostId),
               "10.0.0.9");
      auto* password = Control<wxTextCtrl>(d, ConnectDialog::kPasswordId);
      TypeInto(password, password, "abc");
      Click(d.FindWindow(ConnectDialog::kSavePasswordId));
      Click(d.FindWindow(wxID_OK));
    });
    ASSERT_EQ(wxID_OK, dialog.ShowModal());
  }
  EXPECT_EQ(
      "[LogIn]\r\nCount=2\r\nHost1=10.0.0.9\r\nDBName1=Northwind\r\nUser1=sa\r\nPass1=YWJjAA==\r\n"
      "\r\nHost2=(local)\r\nDBName2=Northwind\r\nUser2=sa\r\nPass2=\r\n",
      Bytes(path));
  struct stat st {};
  ASSERT_EQ(0, stat(path.c_str(), &st));
  EXPECT_EQ(0600, st.st_mode & 0777);
  EXPECT_TRUE(prompts.messages.empty());

  // Next time the entry shows its password; unticking "保存密码" clears it.
  ConnectForm form(path);
  ASSERT_TRUE(form.Load());
  ConnectDialog dialog(nullptr, form, prompts, {"MS SQL Server", "MS Access", "Oracle"});
  EXPECT_EQ("10.0.0.9", Control<wxComboBox>(dialog, ConnectDialog::kHostId)->GetValue());
  EXPECT_EQ("abc", Control<wxTextCtrl>(dialog, ConnectDialog::kPasswordId)->GetValue());
  EXPECT_TRUE(Control<wxCheckBox>(dialog, ConnectDialog::kSavePasswordId)->GetValue());
  WhenShown<ConnectDialog>([](ConnectDialog& d) {
    Click(d.FindWindow(ConnectDialog::kSavePasswordId));
    Click(d.FindWindow(wxID_OK));
  });
  ASSERT_EQ(wxID_OK, dialog.ShowModal());
  EXPECT_NE(std::string::npos, Bytes(path).find("Host1=10.0.0.9\r\nDBName1=Northwind\r\nUser1=sa"
                                                "\r\nPass1=\r\n"));
}

TEST(DbConnectDialog, AnEmptyDatabaseNameIsRefusedAndTheDialogStays) {
  const std::string path = ::testing::TempDir() + "gui_logintmp_refused.ini";
  std::remove(path.c_str());
  testing::ScriptedPrompts prompts;
  ConnectForm form(path);
  ASSERT_TRUE(form.Load());
  ConnectDialog dialog(nullptr, form, prompts, {"MS SQL Server", "MS Access"});
  WhenShown<ConnectDialog>([&prompts](ConnectDialog& d) {
    Control<wxTextCtrl>(d, ConnectDialog::kDatabaseId)->SetValue("");
    Click(d.FindWindow(wxID_OK));
    EXPECT_TRUE(d.IsShown());
    EXPECT_EQ(1u, prompts.messages.size());
    d.EndModal(wxID_CANCEL);
  });
  EXPECT_EQ(wxID_CANCEL, dialog.ShowModal());
  EXPECT_EQ(SavedLogins::kDefaultText, Bytes(path));
}

TEST(DbDataLinkDialog, ListsTheInstalledDriversAndStartsTheString) {
  auto environment = OdbcEnvironment::Get();
  ASSERT_NE(nullptr, environment);
  DataLinkDialog dialog(nullptr, environment->Drivers(), environment->DataSources(), "");
  auto* drivers = Control<wxListBox>(dialog, DataLinkDialog::kDriversId);
  for (const char* name : {"SQLite3", "MDBTools", "FreeTDS"})
    EXPECT_NE(wxNOT_FOUND, drivers->FindString(name)) << name;
  WhenShown<DataLinkDialog>([](DataLinkDialog& d) {
    auto* list = Control<wxListBox>(d, DataLinkDialog::kDriversId);
    const int index = list->FindString("SQLite3");
    list->SetSelection(index);
    wxCommandEvent event(wxEVT_LISTBOX, DataLinkDialog::kDriversId);
    event.SetInt(index);
    event.SetEventObject(list);
    list->GetEventHandler()->ProcessEvent(event);
    auto* text = Control<wxTextCtrl>(d, DataLinkDialog::kStringId);
    text->SetFocus();
    text->SetInsertionPointEnd();
    testing::PumpEvents(60);
    wxUIActionSimulator sim;
    sim.Text("Database=/tmp/x.db");
    testing::PumpEvents(150);
    Click(d.FindWindow(wxID_OK));
  });
  ASSERT_EQ(wxID_OK, dialog.ShowModal());
  EXPECT_EQ("Driver={SQLite3};Database=/tmp/x.db", dialog.connectionString());
}

TEST(DbServerBrowserDialog, TestConnectionFailureAndConfirmRules) {
  testing::ScriptedPrompts prompts;
  // Nothing listens on port 1433 here: the test connection fails fast with both messages.
  ServerBrowserDialog dialog(nullptr, prompts, {"localhost(127.0.0.1)"});
  EXPECT_FALSE(dialog.FindWindow(ServerBrowserDialog::kIntegratedId)->IsShown());
  WhenShown<ServerBrowserDialog>([&prompts](ServerBrowserDialog& d) {
    Click(d.FindWindow(ServerBrowserDialog::kTestId));
    testing::PumpEvents(300);
    EXPECT_EQ(2u, prompts.messages.size());
    EXPECT_EQ(0u, Control<wxListBox>(d, ServerBrowserDialog::kDatabasesId)->GetCount());
    Click(d.FindWindow(wxID_OK));
    ASSERT_EQ(3u, prompts.messages.size());
    EXPECT_EQ(wxString::FromUTF8(u8"请选择数据库!"),
              wxString(prompts.messages[2].c_str(), wxCSConv("CP936")));
    d.EndModal(wxID_CANCEL);
  });
  EXPECT_EQ(wxID_CANCEL, dialog.ShowModal());
  ServerChoice choice;
  dialog.Fill(choice);
  EXPECT_EQ("localhost", choice.server);
  EXPECT_EQ("sa", choice.user);
}

}  // namespace
}  // namespace tablora
