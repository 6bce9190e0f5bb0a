#include "app/gui/table_document_view.h"

#include <wx/dcclient.h>
#include <wx/listctrl.h>
#include <wx/settings.h>

#include "base/app_state.h"
#include "base/gui/wx_text.h"

namespace tablora {

const std::vector<TableDocumentView::WelcomeLine>& TableDocumentView::WelcomeLines() {
  static const std::vector<WelcomeLine> lines = {
      {10, 10, u8"名称：Tablora(Tablora)"},
      {10, 40, u8"版本：1.5 版"},
      {10, 70, u8"用途："},
      {50, 100, u8"让你设计和维护数据库变的轻松!"},
      {50, 130, u8"让你用图形化的界面来设计数据库!"},
      {50, 160, u8"让你能根据已有的数据库产生相关的文档!"},
      {50, 190, u8"让你能根据已有的数据库产生相关的代码片断!"},
      {50, 220, u8"支持MS SQLServer, MS Access, Oracle(SQLServer转Oracle)"},
      {10, 250, u8"使用本软件前请仔细阅读使用说明!请选择 帮助(H)-->使用说明文档(B)"},
      {10, 280, u8" ( ^ 0 ^ )"},
      {10, 310, u8"祝你设计成功!!"},
  };
  return lines;
}

TableDocumentView::TableDocumentView(wxWindow* parent, const AppState& state, TableSource tables)
    : wxScrolledWindow(parent, wxID_ANY, wxDefaultPosition, parent->GetClientSize(),
                       wxHSCROLL | wxVSCROLL | wxFULL_REPAINT_ON_RESIZE),
      state_(state),
      tables_(std::move(tables)) {
  SetBackgroundColour(*wxWHITE);
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  SetScrollRate(10, 10);
  SetVirtualSize(1000, 1000);
  Bind(wxEVT_PAINT, &TableDocumentView::OnPaint, this);
  Bind(wxEVT_SIZE, &TableDocumentView::OnSize, this);
  RefreshDesign();
}

bool TableDocumentView::ShowsWelcome() const { return !state_.designHasContent; }

void TableDocumentView::RefreshDesign() {
  if (state_.designHasContent) {
    if (list_ == nullptr) {
      list_ = new wxListCtrl(this, wxID_ANY, wxPoint(0, 0), GetClientSize(),
                             wxLC_REPORT | wxLC_SINGLE_SEL | wxBORDER_NONE);
      list_->AppendColumn(wxString::FromUTF8(u8"显示名"), wxLIST_FORMAT_LEFT, FromDIP(220));
      list_->AppendColumn(wxString::FromUTF8(u8"实际名"), wxLIST_FORMAT_LEFT, FromDIP(220));
      list_->AppendColumn(wxString::FromUTF8(u8"列数"), wxLIST_FORMAT_RIGHT, FromDIP(70));
      SetVirtualSize(0, 0);
    }
    list_->DeleteAllItems();
    long row = 0;
    for (const TableSummary& table : tables_ ? tables_() : std::vector<TableSummary>{}) {
      list_->InsertItem(row, to_wx(table.displayName));
      list_->SetItem(row, 1, to_wx(table.actualName));
      list_->SetItem(row, 2, wxString::Format("%d", table.columnCount));
      ++row;
    }
  }
  Refresh();
}

void TableDocumentView::OnSize(wxSizeEvent& event) {
  if (list_ != nullptr) list_->SetSize(GetClientSize());
  event.Skip();
}

void TableDocumentView::OnPaint(wxPaintEvent&) {
  wxPaintDC dc(this);
  DoPrepareDC(dc);
  dc.SetBackground(*wxWHITE_BRUSH);
  dc.Clear();
  if (!ShowsWelcome()) return;
  // 96 units make one inch on any screen.
  const wxSize ppi = dc.GetPPI();
  dc.SetUserScale(ppi.x > 0 ? ppi.x / 96.0 : 1.0, ppi.y > 0 ? ppi.y / 96.0 : 1.0);
  dc.SetFont(wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT));
  dc.SetTextForeground(*wxBLACK);
  for (const WelcomeLine& line : WelcomeLines()) {
    dc.DrawText(wxString::FromUTF8(line.text), line.x, line.y);
  }
}

}  // namespace tablora
