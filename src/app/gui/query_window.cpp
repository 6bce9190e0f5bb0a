#include "app/gui/query_window.h"

#include <wx/button.h>
#include <wx/dcclient.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/toplevel.h>
#include <wx/utils.h>

#include <algorithm>

#include "app/design_session.h"
#include "app/result_grid_model.h"
#include "base/app_state.h"
#include "base/commands/command_host.h"
#include "base/gui/button_pictures.h"
#include "base/gui/wx_text.h"
#include "db/connect/database_session.h"
#include "db/dialects/dialect.h"
#include "db/dialects/sqlite_dialect.h"
#include "db/query/query_runner.h"
#include "model/design.h"
#include "ui/gui/data_grid.h"

namespace tablora {

namespace {
wxString U(const char* utf8) { return wxString::FromUTF8(utf8); }
}  // namespace

QueryWindow* QueryWindow::Open(wxWindow* parent, CommandHost& host) {
  auto* window = new QueryWindow(parent, host);
  // Centred over the parent; each further window steps down and right, so that none hides
  // another whole.
  int open = 0;
  for (wxWindow* w : wxTopLevelWindows)
    if (w != window && dynamic_cast<QueryWindow*>(w) != nullptr && w->IsShown()) ++open;
  const wxRect area = parent != nullptr ? parent->GetScreenRect() : wxRect(0, 0, 1024, 768);
  const wxSize size = window->GetSize();
  const wxPoint step = wxPoint(30, 30) * (open % 8);
  window->Move(std::max(0, area.x + (area.width - size.x) / 2 + step.x),
               std::max(0, area.y + (area.height - size.y) / 2 + step.y));
  window->Show();
  window->sql_->SetFocus();
  return window;
}

QueryWindow::QueryWindow(wxWindow* parent, CommandHost& host)
    : wxDialog(parent, wxID_ANY, U(u8"结果集"), wxPoint(0, 0), wxDefaultSize,
               wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX),
      host_(host) {
  sql_ = new wxTextCtrl(this, kSqlId, wxEmptyString, wxDefaultPosition, wxSize(600, 90),
                        wxTE_MULTILINE);
  auto* execute = new wxButton(this, kExecuteId, U(u8"执行(&E)"));
  auto* quit = new wxButton(this, kQuitId, U(u8"退出"));
  execute->SetDefault();
  SetEscapeId(kQuitId);
  ButtonPictures::Put(execute, "execute.png");
  ButtonPictures::Put(quit, "quit.png");
  count_ = new wxStaticText(this, kCountId, wxEmptyString);
  grid_ = new DataGrid(this, kGridId, wxDefaultPosition, wxSize(760, 420), wxBORDER_SUNKEN);

  auto* buttons = new wxBoxSizer(wxVERTICAL);
  buttons->Add(execute, 0, wxEXPAND | wxBOTTOM, 6);
  buttons->Add(quit, 0, wxEXPAND | wxBOTTOM, 6);
  buttons->Add(count_, 0, wxEXPAND);
  auto* head = new wxBoxSizer(wxHORIZONTAL);
  head->Add(sql_, 1, wxEXPAND | wxRIGHT, 8);
  head->Add(buttons, 0);
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(head, 0, wxEXPAND | wxALL, 8);
  top->Add(grid_, 1, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 8);
  SetSizerAndFit(top);

  execute->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Execute(); });
  quit->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Close(); });
  Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) {
    grid_->Model().Clear();
    Destroy();
  });
}

std::string QueryWindow::sqlText() const { return from_wx(sql_->GetValue()); }

std::string QueryWindow::countText() const { return from_wx(count_->GetLabel()); }

bool QueryWindow::EnsureConnected() {
  DesignContext* session = host_.session();
  DatabaseSession* database = session != nullptr ? session->database() : nullptr;
  return database != nullptr && database->EnsureConnected() && database->state().IsConnected();
}

void QueryWindow::ShowTableRows(int count, int table) {
  DesignContext* session = host_.session();
  Design* design = session != nullptr ? session->design() : nullptr;
  if (design == nullptr || table < 0 || table >= design->tableCount()) return;
  const std::string name = design->RefreshTableDefinitions()[table].actualName;
  // The server decides between TOP and LIMIT, and connecting may choose the kind: connect
  // before the text is made.
  const bool connected = EnsureConnected();
  const int kind = host_.appState().databaseKind;
  const bool limit = connected && SqliteDialect::IsSqlite(
                                      session->database()->state().sharedConnection->DbmsName());
  const std::string sql = Dialect::For(kind, limit).FirstRows(name, count);
  if (!connected) {
    sql_->SetValue(to_wx(sql));
    return;
  }
  RunQuery(sql);
}

void QueryWindow::Execute() {
  grid_->Model().Clear();
  grid_->ModelChanged();
  RunQuery(sqlText());
}

void QueryWindow::RunQuery(const std::string& sql) {
  if (sqlText() != sql) sql_->SetValue(to_wx(sql));
  // The count of an earlier run must not stand beside a run that fails or never starts.
  count_->SetLabel(wxEmptyString);
  count_->Update();
  if (!EnsureConnected()) return;
  if (!gridPrepared_) {
    grid_->SetEditable(true);
    grid_->Model().Colours().cellBack = Rgb{255, 255, 255};
    gridPrepared_ = true;
  }
  wxBusyCursor busy;
  DatabaseSession* database = host_.session()->database();
  QueryRunner runner(*database->state().sharedConnection, host_.prompts());
  ResultGridModel result(grid_->Model());
  const QueryOutcome outcome = runner.Run(sql, result);
  count_->SetLabel(to_wx(QueryRunner::CountText(outcome)));
  FitColumns();
  grid_->ModelChanged();
  Layout();
}

void QueryWindow::FitColumns() {
  GridModel& model = grid_->Model();
  wxClientDC dc(grid_);
  // Fixed cells are drawn semi-bold: measure them so, or their names are cut.
  wxFont bold = grid_->GridFont();
  bold.SetWeight(wxFONTWEIGHT_BOLD);
  // Measuring every cell of a large result would take seconds: the first rows tell enough.
  const int rows = std::min(model.GetRowCount(), 60);
  for (int c = 0; c < model.GetColumnCount(); ++c) {
    int width = 40;
    for (int r = 0; r < rows; ++r) {
      const std::string& text = model.Cell(r, c)->text;
      if (text.empty()) continue;
      dc.SetFont(model.IsFixed(r, c) ? bold : grid_->GridFont());
      width = std::max(width, dc.GetTextExtent(to_wx(text.substr(0, 80))).GetWidth() + 12);
    }
    model.SetColumnWidth(c, std::min(width, 320));
  }
}

}  // namespace tablora
