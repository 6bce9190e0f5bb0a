#include "app/gui/work_box_commands.h"

#include <wx/menu.h>
#include <wx/textctrl.h>
#include <wx/treectrl.h>

#include "app/command_table.h"
#include "app/design_history.h"
#include "base/text_codec.h"
#include "app/gui/document_frame.h"
#include "app/gui/frame_statement_host.h"
#include "app/gui/main_frame.h"
#include "app/gui/table_window_commands.h"
#include "app/gui/work_box.h"
#include "base/document_titles.h"
#include "base/gui/wx_text.h"
#include "model/design.h"
#include "ui/gui/design_canvas.h"
#include "ui/gui/group_edit_dialog.h"
#include "ui/gui/tree_images.h"
#include "ui/table_finder.h"
#include "ui/tree_menus.h"

namespace tablora {

namespace {
bool IsTableCommand(int id) {
  for (const TableCommand& command : TableMenuCommands()) {
    if (command.id == id) return true;
  }
  return false;
}

/// Keeps a tree control from repainting while many items change.
class FreezeTrees {
 public:
  FreezeTrees(wxTreeCtrl* a, wxTreeCtrl* b) : a_(a), b_(b) {
    a_->Freeze();
    b_->Freeze();
  }
  ~FreezeTrees() {
    b_->Thaw();
    a_->Thaw();
  }

 private:
  wxTreeCtrl* a_;
  wxTreeCtrl* b_;
};
}  // namespace

WorkBoxCommands::WorkBoxCommands(MainFrame& frame)
    : frame_(frame),
      tableMirror_(frame.workBox().tableTree()),
      groupMirror_(frame.workBox().groupTree()) {
  for (WorkBoxTrees::Tree tree : {WorkBoxTrees::kTableTree, WorkBoxTrees::kGroupTree}) {
    wxTreeCtrl* control = Control(tree);
    control->AssignImageList(tree == WorkBoxTrees::kTableTree ? TreeImages::TableTreeImages()
                                                              : TreeImages::GroupTreeImages());
    // A selection moved by the keyboard shows its table and leaves the keys with the tree;
    // a click, Enter or a double-click takes the user to the table window.
    control->Bind(wxEVT_TREE_KEY_DOWN, [this](wxTreeEvent& event) {
      selectingByKey_ = true;
      event.Skip();
    });
    for (const auto& type : {wxEVT_LEFT_DOWN, wxEVT_RIGHT_DOWN, wxEVT_MIDDLE_DOWN}) {
      control->Bind(type, [this](wxMouseEvent& event) {
        selectingByKey_ = false;
        event.Skip();
      });
    }
    control->Bind(wxEVT_TREE_SEL_CHANGED, [this, tree, control](wxTreeEvent& event) {
      const bool byKey = selectingByKey_;
      selectingByKey_ = false;
      ItemSelected(tree, mirror(tree).ModelItem(event.GetItem()), !byKey);
      if (byKey) control->SetFocus();
      event.Skip();
    });
    control->Bind(wxEVT_TREE_ITEM_ACTIVATED, [this, tree](wxTreeEvent& event) {
      selectingByKey_ = false;
      ItemSelected(tree, mirror(tree).ModelItem(event.GetItem()), true);
    });
    control->Bind(wxEVT_TREE_ITEM_RIGHT_CLICK,
                  [this, tree](wxTreeEvent& event) { OnRightClick(tree, event); });
    const auto shown = [this, tree](int item) {
      if (filtered_.empty() || trees_ == nullptr) return true;
      const int table = trees_->TableOf(tree, item);
      return table < 0 || (table < static_cast<int>(filtered_.size()) && filtered_[table] != 0);
    };
    mirror(tree).SetFilter(shown);
  }
  frame_.workBox().filter()->Bind(wxEVT_TEXT, [this](wxCommandEvent&) { ApplyFilter(); });
}

void WorkBoxCommands::ApplyFilter() {
  WorkBoxTrees* t = trees();
  filtered_.clear();
  const std::string text = from_wx(frame_.workBox().filter()->GetValue());
  if (t != nullptr && !text.empty()) {
    TableFinder finder;
    finder.Build(*treesDesign_);
    filtered_.assign(static_cast<std::size_t>(treesDesign_->tableCount()), 0);
    for (int table : finder.Find(text)) filtered_[static_cast<std::size_t>(table)] = 1;
  }
  FreezeTrees freeze(Control(WorkBoxTrees::kTableTree), Control(WorkBoxTrees::kGroupTree));
  tableMirror_.Attach(t != nullptr ? &t->tableTree() : nullptr);
  groupMirror_.Attach(t != nullptr ? &t->groupTree() : nullptr);
  // What is left in sight is opened up.
  if (!filtered_.empty()) {
    Control(WorkBoxTrees::kTableTree)->ExpandAll();
    Control(WorkBoxTrees::kGroupTree)->ExpandAll();
  }
}

WorkBoxCommands::~WorkBoxCommands() {
  tableMirror_.Detach();
  groupMirror_.Detach();
}

wxTreeCtrl* WorkBoxCommands::Control(WorkBoxTrees::Tree tree) const {
  return tree == WorkBoxTrees::kTableTree ? frame_.workBox().tableTree()
                                          : frame_.workBox().groupTree();
}

WorkBoxTrees* WorkBoxCommands::trees() {
  Design* design = frame_.session() != nullptr ? frame_.session()->design() : nullptr;
  if (design == treesDesign_ && (trees_ != nullptr || design == nullptr)) return trees_.get();
  tableMirror_.Detach();
  groupMirror_.Detach();
  treesDesign_ = design;
  trees_ = design != nullptr ? std::make_unique<WorkBoxTrees>(*design) : nullptr;
  if (trees_ != nullptr && design->tableCount() > 0) {
    for (int i = 0; i < design->tableCount(); ++i) trees_->TableAdded(i, false);
    trees_->DesignLoaded();
  }
  FreezeTrees freeze(Control(WorkBoxTrees::kTableTree), Control(WorkBoxTrees::kGroupTree));
  tableMirror_.Attach(trees_ != nullptr ? &trees_->tableTree() : nullptr);
  groupMirror_.Attach(trees_ != nullptr ? &trees_->groupTree() : nullptr);
  return trees_.get();
}

void WorkBoxCommands::TableAdded(int index, bool show) {
  if (WorkBoxTrees* t = trees()) t->TableAdded(index, show);
}

void WorkBoxCommands::TableTreeTextChanged(int index, const std::string& text) {
  if (WorkBoxTrees* t = trees()) t->SetTableItemText(index, text);
}

void WorkBoxCommands::TableChanged(int index) {
  if (WorkBoxTrees* t = trees()) t->FollowGroup(index);
}

void WorkBoxCommands::TableRemoved(int index) {
  if (WorkBoxTrees* t = trees()) t->TableRemoved(index);
}

void WorkBoxCommands::Rebuild() {
  tableMirror_.Detach();
  groupMirror_.Detach();
  treesDesign_ = nullptr;
  trees_.reset();
  trees();
}

void WorkBoxCommands::DesignCleared() {
  if (WorkBoxTrees* t = trees()) t->DesignCleared();
}

void WorkBoxCommands::DesignLoaded() {
  WorkBoxTrees* t = trees();
  if (t == nullptr) return;
  FreezeTrees freeze(Control(WorkBoxTrees::kTableTree), Control(WorkBoxTrees::kGroupTree));
  t->DesignLoaded();
}

void WorkBoxCommands::ItemSelected(WorkBoxTrees::Tree tree, int item, bool takeFocus) {
  WorkBoxTrees* t = trees();
  if (t == nullptr || item < 0) return;
  const int table = t->TableOf(tree, item);
  if (table >= 0) {
    for (DocumentFrame* document : frame_.documents()) {
      if (document->tableView() != nullptr) {
        document->tableView()->ShowTable(table, takeFocus);
        return;
      }
    }
    return;
  }
  const int procedure = tree == WorkBoxTrees::kTableTree ? t->ProcedureOf(item) : -1;
  if (procedure < 0) return;
  // The document menu has no new-document command: the procedure view opens here.
  if (DocumentFrame* document = frame_.FindView(DocumentTitles::ProcedureView()))
    document->ShowProcedure(frame_, procedure);
}

std::unique_ptr<wxMenu> WorkBoxCommands::BuildMenu(WorkBoxTrees::Tree tree, int item) {
  WorkBoxTrees* t = trees();
  if (t == nullptr) return nullptr;
  const std::vector<TableCommand>& commands = TreeMenuCommands(t->PopupFor(tree, item));
  if (commands.empty()) return nullptr;
  auto menu = std::make_unique<wxMenu>();
  for (const TableCommand& command : commands) {
    wxMenuItem* entry =
        menu->Append(command.id - kMenuIdBase, wxString::FromUTF8(command.captionUtf8));
    entry->Enable(IsCommandEnabled(tree, command.id, item));
    if (command.separatorAfter) menu->AppendSeparator();
  }
  return menu;
}

bool WorkBoxCommands::IsCommandEnabled(WorkBoxTrees::Tree tree, int id, int item) {
  WorkBoxTrees* t = trees();
  if (t == nullptr) return false;
  switch (id) {
    case tree_cmd::kNewTable:
      return true;
    case tree_cmd::kShowDisplayNames:
    case tree_cmd::kShowActualNames:
    case tree_cmd::kShowBothNames:
      return true;
    case tree_cmd::kNewGroup:
      return tree == WorkBoxTrees::kGroupTree;
    case tree_cmd::kEditGroup:
      return t->PopupFor(tree, item) == TreePopup::kGroup;
    case tree_cmd::kWriteGroupsToDatabase:
      return frame_.commandRegistry().Has(id) && frame_.commandRegistry().IsEnabled(id);
    default:
      return IsTableCommand(id) &&
             frame_.tableCommands().IsTableCommandEnabled(id, t->TableOf(tree, item));
  }
}

void WorkBoxCommands::RunCommand(WorkBoxTrees::Tree tree, int id, int item) {
  if (!IsCommandEnabled(tree, id, item)) return;
  WorkBoxTrees* t = trees();
  switch (id) {
    case tree_cmd::kNewTable:
      frame_.tableCommands().NewTable();
      break;
    case tree_cmd::kShowDisplayNames:
      t->ShowNames(tree, TreeNameMode::kDisplayName);
      break;
    case tree_cmd::kShowActualNames:
      t->ShowNames(tree, TreeNameMode::kActualName);
      break;
    case tree_cmd::kShowBothNames:
      t->ShowNames(tree, TreeNameMode::kBothNames);
      break;
    case tree_cmd::kNewGroup:
      t->NewGroup();
      break;
    case tree_cmd::kEditGroup:
      EditGroup(item);
      break;
    case tree_cmd::kWriteGroupsToDatabase:
      frame_.commandRegistry().Run(id);
      break;
    case table_cmd::kInsertStatement:
      // The table tree's INSERT builder is modal; the group tree's, like a window's, is not.
      if (tree == WorkBoxTrees::kTableTree) {
        OpenStatementBuilder(frame_, id, t->TableOf(tree, item), true);
      } else {
        frame_.tableCommands().RunTableCommand(id, t->TableOf(tree, item));
      }
      break;
    default:
      frame_.tableCommands().RunTableCommand(id, t->TableOf(tree, item));
      break;
  }
}

void WorkBoxCommands::EditGroup(int groupItem) {
  WorkBoxTrees* t = trees();
  if (t == nullptr || t->PopupFor(WorkBoxTrees::kGroupTree, groupItem) != TreePopup::kGroup) return;
  GroupEditDialog dialog(&frame_, *treesDesign_, t->groupTree().Item(groupItem).text,
                         t->GroupTables(groupItem));
  if (dialog.ShowModal() != wxID_OK) return;
  FreezeTrees freeze(Control(WorkBoxTrees::kTableTree), Control(WorkBoxTrees::kGroupTree));
  DesignHistory* history = frame_.session() != nullptr ? frame_.session()->history() : nullptr;
  HistoryStep step(history, Cp936(u8"编辑分组 ") + dialog.name());
  t->ApplyGroupEdit(groupItem, dialog.name(), dialog.tables());
  // The groups are set on the tables directly: the history compares them all.
  if (history != nullptr) {
    for (int i = 0; i < treesDesign_->tableCount(); ++i) history->TableChanged(i);
  }
}

void WorkBoxCommands::OnRightClick(WorkBoxTrees::Tree tree, wxTreeEvent& event) {
  wxTreeCtrl* control = Control(tree);
  const wxTreeItemId id = event.GetItem();
  if (!id.IsOk()) return;
  control->SelectItem(id);
  const int item = mirror(tree).ModelItem(id);
  std::unique_ptr<wxMenu> menu = BuildMenu(tree, item);
  if (menu == nullptr) return;
  const int chosen = control->GetPopupMenuSelectionFromUser(*menu, event.GetPoint());
  if (chosen != wxID_NONE) RunCommand(tree, chosen + kMenuIdBase, item);
}

}  // namespace tablora
