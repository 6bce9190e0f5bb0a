#include "app/gui/command_bars.h"

#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/filehistory.h>
#include <wx/image.h>
#include <wx/log.h>
#include <wx/menu.h>
#include <wx/toolbar.h>

#include <vector>

#include "app/command_table.h"
#include "app/gui/command_ids.h"
#include "base/gui/icon_file.h"
#include "base/gui/wx_text.h"
#include "base/program_folder.h"

namespace tablora {

namespace {

void AddEntries(wxMenu* menu, const std::vector<MenuEntry>& entries) {
  const CommandTable& table = CommandTable::Get();
  for (const MenuEntry& entry : entries) {
    switch (entry.kind) {
      case MenuEntry::kSeparator:
        menu->AppendSeparator();
        break;
      case MenuEntry::kSubmenu: {
        auto* submenu = new wxMenu;
        AddEntries(submenu, entry.items);
        menu->AppendSubMenu(submenu, to_wx(entry.caption));
        break;
      }
      case MenuEntry::kCommand: {
        const CommandInfo* info = table.Find(entry.id);
        const wxItemKind kind = info != nullptr && info->checkable ? wxITEM_CHECK : wxITEM_NORMAL;
        const wxString help =
            info != nullptr ? to_wx(CommandTable::PlainCaption(info->caption)) : wxString();
        menu->Append(ToWxId(entry.id), to_wx(table.MenuLabel(entry)), help, kind);
        break;
      }
    }
  }
}

wxBitmap LoadIcon(const std::string& path) {
  const wxBitmap icon = ReadIconFile(path);
  if (icon.IsOk()) return icon;
  wxBitmap blank(16, 16);
  wxMemoryDC dc(blank);
  dc.SetBackground(*wxLIGHT_GREY_BRUSH);
  dc.Clear();
  dc.SetPen(*wxBLACK_PEN);
  dc.SetBrush(*wxTRANSPARENT_BRUSH);
  dc.DrawRectangle(1, 1, 14, 14);
  return blank;
}

}  // namespace

wxMenuBar* CommandBars::BuildMenuBar(bool documentOpen) {
  auto* bar = new wxMenuBar;
  for (const MenuEntry& top : CommandTable::Get().MainMenu(documentOpen)) {
    auto* menu = new wxMenu;
    AddEntries(menu, top.items);
    bar->Append(menu, to_wx(top.caption));
  }
  return bar;
}

std::string CommandBars::IconName(int commandId) {
  switch (commandId) {
    case cmd::kNewTable:
      return "new_table.png";
    case cmd::kFileOpen:
      return "open.png";
    case cmd::kFileSaveAs:
      return "save.png";
    case cmd::kPrint:
      return "print.png";
    case cmd::kWorkBox:
      return "work_box.png";
    case cmd::kShowRelations:
      return "relations.png";
    case cmd::kTextColour:
      return "text_colour.png";
    case cmd::kBackColour:
      return "back_colour.png";
    case cmd::kAbout:
      return "about.png";
    case cmd::kUndo:
      return "undo.png";
    case cmd::kRedo:
      return "redo.png";
    default:
      return {};
  }
}

void CommandBars::FillToolBar(wxToolBar* toolBar, const std::string& iconFolder) {
  const CommandTable& table = CommandTable::Get();
  toolBar->SetToolBitmapSize(wxSize(16, 16));
  for (int id : table.Toolbar()) {
    if (id == 0) {
      toolBar->AddSeparator();
      continue;
    }
    const CommandInfo* info = table.Find(id);
    const wxString tip = to_wx(CommandTable::PlainCaption(info->caption));
    const wxBitmap icon = LoadIcon(ProgramFolder::Join(iconFolder, IconName(id)));
    toolBar->AddTool(ToWxId(id), tip, icon, tip, info->checkable ? wxITEM_CHECK : wxITEM_NORMAL);
    toolBar->SetToolLongHelp(ToWxId(id), tip);
  }
  toolBar->Realize();
}

void CommandBars::ShowRecentFiles(wxMenuBar* menuBar, const wxFileHistory& history) {
  if (menuBar == nullptr || menuBar->GetMenuCount() == 0) return;
  wxMenu* file = menuBar->GetMenu(0);
  int position = -1;
  for (int i = 0; i < cmd::kRecentFileCount; ++i) {
    const int id = ToWxId(cmd::kRecentFile1 + i);
    int index = 0;
    for (wxMenuItem* item : file->GetMenuItems()) {
      if (item->GetId() == id) {
        if (position < 0 || index < position) position = index;
        file->Destroy(item);
        break;
      }
      ++index;
    }
  }
  if (position < 0) return;
  const size_t count = std::min<size_t>(history.GetCount(), cmd::kRecentFileCount);
  if (count == 0) {
    file->Insert(position, ToWxId(cmd::kRecentFile1),
                 to_wx(CommandTable::Get().Find(cmd::kRecentFile1)->caption));
    return;
  }
  for (size_t i = 0; i < count; ++i) {
    wxString path = history.GetHistoryFile(i);
    path.Replace("&", "&&");
    file->Insert(position + i, ToWxId(cmd::kRecentFile1 + static_cast<int>(i)),
                 wxString::Format("&%d %s", static_cast<int>(i + 1), path));
  }
}

wxAcceleratorTable CommandBars::ExtraAccelerators() {
  std::vector<wxAcceleratorEntry> entries;
  for (const CommandInfo& info : CommandTable::Get().ExtraAccelerators()) {
    wxAcceleratorEntry entry;
    if (entry.FromString(wxString::FromUTF8(info.accelerator))) {
      entry.Set(entry.GetFlags(), entry.GetKeyCode(), ToWxId(info.id));
      entries.push_back(entry);
    }
  }
  return wxAcceleratorTable(static_cast<int>(entries.size()), entries.data());
}

}  // namespace tablora
