#include "ui/gui/table_editor_sheet.h"

#include <wx/bookctrl.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "base/gui/scroll_bar_size.h"
#include "base/gui/wx_text.h"
#include "base/text_codec.h"
#include "ui/gui/data_grid.h"
#include "ui/gui/typing_undo.h"

namespace tablora {

namespace {
wxString U(const char* utf8) { return wxString::FromUTF8(utf8); }
}  // namespace

TableEditorSheet::TableEditorSheet(wxWindow* parent, AppState& state, Prompts& prompts,
                                   TableEditor& editor)
    : state_(state), prompts_(prompts), editor_(editor) {
  Create(parent, wxID_ANY, U(u8"表属性对话框"), wxDefaultPosition, wxSize(640, 460),
         wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER);
  wxBookCtrlBase* book = GetBookCtrl();
  book->AddPage(BuildNamePage(book), U(u8"表名"));
  book->AddPage(BuildDesignPage(book), U(u8"设计"));
  book->AddPage(BuildSqlPage(book), U(u8"查看SQL"));
  LayoutDialog();
  SetSize(wxSize(720, 480));
  book->Bind(wxEVT_BOOKCTRL_PAGE_CHANGED, [this](wxBookCtrlEvent& event) {
    if (!showing_) OnPageChanged();
    event.Skip();
  });
  Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) { CloseSheet(); });
  // Escape is the close box's key, as in any dialog.
  Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& event) {
    if (event.GetKeyCode() == WXK_ESCAPE && !grid_->IsEditing()) {
      CloseSheet();
      return;
    }
    event.Skip();
  });
  ShowEditorData();
}

TableEditorSheet::~TableEditorSheet() = default;

wxWindow* TableEditorSheet::BuildNamePage(wxWindow* book) {
  auto* page = new wxPanel(book);
  auto* sizer = new wxFlexGridSizer(2, 6, 8);
  sizer->AddGrowableCol(1);
  sizer->AddGrowableRow(2);
  const auto row = [&](const char* label, long style) {
    sizer->Add(new wxStaticText(page, wxID_ANY, U(label)), 0, wxALIGN_CENTER_VERTICAL);
    auto* box = new wxTextCtrl(page, wxID_ANY, "", wxDefaultPosition, wxDefaultSize, style);
    sizer->Add(box, 1, wxEXPAND);
    AttachTypingUndo(box);
    return box;
  };
  displayName_ = row(u8"请输入表名称:", 0);
  actualName_ = row(u8"数据库中实际名称:", 0);
  comment_ = row(u8"注释:", wxTE_MULTILINE);
  group_ = row(u8"所属组:", 0);
  owner_ = row(u8"所有者:", 0);
  auto* outer = new wxBoxSizer(wxVERTICAL);
  outer->Add(sizer, 1, wxEXPAND | wxALL, 12);
  page->SetSizer(outer);

  displayName_->Bind(wxEVT_TEXT, [this](wxCommandEvent&) {
    if (showing_) return;
    TakeNames();
    editor_.DisplayNameChanged(from_wx(displayName_->GetValue()));
    ShowNames();
  });
  actualName_->Bind(wxEVT_TEXT, [this](wxCommandEvent&) {
    if (showing_) return;
    editor_.ActualNameChanged(from_wx(actualName_->GetValue()), actualName_->HasFocus());
  });
  // Every box is taken on every change, so that nothing typed is lost when the page is left.
  for (wxTextCtrl* box : {comment_, group_, owner_}) {
    box->Bind(wxEVT_TEXT, [this](wxCommandEvent&) {
      if (!showing_) TakeNames();
    });
    box->Bind(wxEVT_KILL_FOCUS, [this](wxFocusEvent& event) {
      if (!showing_) TakeNames();
      event.Skip();
    });
  }
  return page;
}

wxWindow* TableEditorSheet::BuildDesignPage(wxWindow* book) {
  auto* page = new wxPanel(book);
  grid_ = new DataGrid(page, wxID_ANY);
  const EditorGridLayout layout = TableEditor::GridLayout(state_.settings);
  GridModel& model = grid_->Model();
  const int rows = std::max(layout.rowCount, editor_.grid().GetRowCount());
  model.SetRowCount(rows);
  model.SetColumnCount(static_cast<int>(layout.captions.size()));
  model.SetFixedRowCount(layout.fixedRows);
  model.SetFixedColumnCount(layout.fixedColumns);
  model.Colours().cellBack = layout.cellBackground;
  for (std::size_t c = 0; c < layout.captions.size(); ++c) {
    model.SetCell(0, static_cast<int>(c), kMaskText | kMaskFormat, layout.captions[c],
                  kFormatWordBreak);
    if (layout.widths[c] >= 0) model.SetColumnWidth(static_cast<int>(c), layout.widths[c]);
  }
  grid_->SetEditable(true);
  grid_->SetFollowColumns(1, 2);  // the actual name follows the display name as it is typed
  grid_->SetListProvider([this](int column) -> std::optional<std::vector<std::string>> {
    const Settings& s = state_.settings;
    if (!s.HasDropDown(column)) return std::nullopt;
    if (column == 3) return s.DataTypes(state_.databaseKind);
    return s.DropDownItems(column);
  });
  editor_.AttachGrid(&model);
  grid_->ModelChanged();
  auto* sizer = new wxBoxSizer(wxVERTICAL);
  sizer->Add(grid_, 1, wxEXPAND | wxALL, 4);
  page->SetSizer(sizer);
  return page;
}

wxWindow* TableEditorSheet::BuildSqlPage(wxWindow* book) {
  auto* page = new wxPanel(book);
  sql_ = new wxTextCtrl(page, wxID_ANY, "", wxDefaultPosition, scroll_bars::StartSize(),
                        wxTE_MULTILINE | wxTE_RICH2 | wxHSCROLL);
  AttachTypingUndo(sql_);
  auto* update = new wxButton(page, wxID_ANY, U(u8"更新(&U)"));
  extra_ = new wxCheckBox(page, wxID_ANY, U(u8"显示扩展SQL语句"));
  auto* buttons = new wxBoxSizer(wxHORIZONTAL);
  buttons->Add(update, 0, wxRIGHT, 12);
  buttons->Add(extra_, 0, wxALIGN_CENTER_VERTICAL);
  auto* sizer = new wxBoxSizer(wxVERTICAL);
  sizer->Add(sql_, 1, wxEXPAND | wxALL, 4);
  sizer->Add(buttons, 0, wxALL, 4);
  page->SetSizer(sizer);
  update->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { ApplyText(); });
  sql_->Bind(wxEVT_TEXT, [this](wxCommandEvent&) {
    if (!showing_) editor_.EditShownText(from_wx(sql_->GetValue()));
  });
  extra_->Bind(wxEVT_CHECKBOX, [this](wxCommandEvent&) {
    editor_.SetShowExtraStatements(extra_->GetValue());
    ShowSql();
  });
  return page;
}

void TableEditorSheet::TakeNames() {
  // The box shows the comment without the group tail the script may have carried: an
  // untouched box leaves the comment as it is.
  const std::string comment = from_wx(comment_->GetValue());
  if (comment != CommentWithoutGroup(editor_.names().comment)) editor_.CommentChanged(comment);
  editor_.GroupChanged(from_wx(group_->GetValue()));
  editor_.OwnerChanged(from_wx(owner_->GetValue()));
}

void TableEditorSheet::ShowNames() {
  showing_ = true;
  const TableNames& names = editor_.names();
  const auto set = [](wxTextCtrl* box, const std::string& text) {
    const wxString value = to_wx(text);
    if (box->GetValue() != value) box->ChangeValue(value);
  };
  set(displayName_, names.displayName);
  set(actualName_, names.actualName);
  set(comment_, CommentWithoutGroup(names.comment));
  set(group_, names.group);
  set(owner_, names.owner);
  showing_ = false;
}

void TableEditorSheet::ShowSql() {
  showing_ = true;
  const std::string& text = editor_.shownText();
  sql_->ChangeValue(to_wx(text));
  // The spans count a double-byte character as one, as the control does.
  sql_->SetStyle(0, sql_->GetLastPosition(), wxTextAttr(*wxBLACK));
  for (const HighlightSpan& span : editor_.highlights()) {
    const Rgb& c = span.colour;
    sql_->SetStyle(static_cast<long>(span.start), static_cast<long>(span.end),
                   wxTextAttr(wxColour(c.red, c.green, c.blue)));
  }
  sql_->SetInsertionPoint(0);
  extra_->SetValue(editor_.showExtraStatements());
  showing_ = false;
}

void TableEditorSheet::ShowEditorData() {
  ShowNames();
  grid_->ModelChanged();
  ShowSql();
}

void TableEditorSheet::OnPageChanged() {
  TakeNames();
  if (grid_->IsEditing()) grid_->EndEdit();
  const int page = GetBookCtrl()->GetSelection();
  editor_.ActivatePage(page);
  if (page == TableEditor::kSqlPage) ShowSql();
}

void TableEditorSheet::ShowSheet() {
  editor_.Show();
  showing_ = true;
  const int page = editor_.activePage() < 0 ? 0 : editor_.activePage();
  GetBookCtrl()->SetSelection(page);
  showing_ = false;
  ShowEditorData();
  Show();
  Raise();
}

void TableEditorSheet::ShowColumn(int column) {
  GetBookCtrl()->SetSelection(TableEditor::kDesignPage);
  const int row = column + 1;  // below the caption row
  if (row < grid_->Model().GetRowCount()) {
    const CellId cell{row, 2};  // the actual name
    grid_->Selection().SelectCell(cell);
    grid_->EnsureVisible(cell);
    grid_->Refresh();
  }
  grid_->SetFocus();
}

void TableEditorSheet::ApplyText() {
  if (!editor_.ApplySqlText()) {
    prompts_.ShowMessage(Cp936(u8"不是表的SQL脚本文件!"), "Tablora");
    return;
  }
  ShowEditorData();
}

void TableEditorSheet::Orphan() {
  orphaned_ = true;
  showing_ = true;  // every control's handler stands still
  onClosed_ = nullptr;
  Hide();
}

void TableEditorSheet::CloseSheet() {
  if (orphaned_) return;
  TakeNames();
  if (grid_->IsEditing()) grid_->EndEdit();
  showing_ = true;
  GetBookCtrl()->SetSelection(TableEditor::kSqlPage);
  showing_ = false;
  if (!editor_.Close()) {
    ShowSql();
    prompts_.ShowMessage(Cp936(u8"不是表的SQL脚本文件!"), "Tablora");
    return;
  }
  ShowEditorData();
  Hide();
  if (onClosed_) onClosed_();
}

}  // namespace tablora
