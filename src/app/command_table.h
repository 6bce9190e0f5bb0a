#pragma once

#include <string>
#include <vector>

#include "base/commands/command_ids.h"

namespace tablora {

/// Command ids of the main window's menus, toolbar and accelerators (those a subsystem
/// registers stand in base/commands/command_ids.h).
namespace cmd {
constexpr int kNewTable = 32771;
constexpr int kFileNew = 57600;
constexpr int kFileOpen = 57601;
constexpr int kFileClose = 57602;
constexpr int kFileSave = 57603;
constexpr int kFileSaveAs = 57604;
constexpr int kPrintSetup = 57606;
constexpr int kPrint = 57607;
constexpr int kPrintPreview = 57609;
/// "导出图片(&G)...": the whole design as a PNG, PDF or SVG picture.
constexpr int kExportPicture = 32900;
/// The design view's scale: larger, smaller, 100 %, the whole design in the window.
constexpr int kZoomIn = 32910;
constexpr int kZoomOut = 32911;
constexpr int kZoomActual = 32912;
constexpr int kZoomFit = 32913;
/// "导出数据字典(&Z)...": the design as a data dictionary (HTML, Markdown, Excel or PDF).
constexpr int kExportDictionary = 32901;
constexpr int kRecentFile1 = 57616;  ///< the first of four recent-file ids
constexpr int kRecentFileCount = 4;
constexpr int kWindowNew = 57648;
constexpr int kWindowArrange = 57649;
constexpr int kWindowCascade = 57650;
constexpr int kWindowTile = 57651;
constexpr int kAbout = 57664;
constexpr int kExit = 57665;
constexpr int kNextPane = 57680;
constexpr int kPrevPane = 57681;
constexpr int kViewToolbar = 59392;
constexpr int kViewStatusBar = 59393;
constexpr int kConnect = 32812;
constexpr int kBrowseServers = 32817;
constexpr int kWorkBox = 32818;
constexpr int kSelectStatement = 32784;
constexpr int kInsertStatement = 32801;
constexpr int kGroupCommentScript = 32824;
constexpr int kAllCommentScript = 32825;
constexpr int kGroupCommentToDb = 32823;
constexpr int kAllCommentToDb = 32826;
constexpr int kMacroToJava = 32821;
constexpr int kStructToTable = 32828;
constexpr int kArrange = 32780;
constexpr int kTextColour = 32779;
constexpr int kBackColour = 32805;
constexpr int kDisplayStyles = 32810;
constexpr int kHelp = 32809;
constexpr int kUndo = 57643;
constexpr int kRedo = 57644;
constexpr int kFind = 57636;
constexpr int kFindNext = 57637;
constexpr int kFindPrevious = 32902;
/// "显示关系线(&R)": the foreign keys as lines between the table windows (a check command).
constexpr int kShowRelations = 32920;
}  // namespace cmd

/// One command: its id, menu caption (code page 936, "&" marks the mnemonic) and
/// accelerator text in the "Ctrl+N" form (empty for none).
struct CommandInfo {
  int id = 0;
  std::string caption;
  std::string accelerator;
  bool checkable = false;  ///< the menu item carries a check mark
};

/// One entry of a menu: a command, a separator or a submenu with its own entries.
struct MenuEntry {
  enum Kind { kCommand, kSeparator, kSubmenu };
  Kind kind = kCommand;
  int id = 0;           ///< kCommand only
  std::string caption;  ///< submenus; for a command, a caption that replaces the command's own
  std::vector<MenuEntry> items;  ///< kSubmenu only
};

/// The main window's commands, menus, toolbar and accelerators as data, so that the
/// window builds them in one loop each.
class CommandTable {
 public:
  /// The one table of the program.
  static const CommandTable& Get();

  const std::vector<CommandInfo>& commands() const { return commands_; }
  /// The command with this id, or nullptr.
  const CommandInfo* Find(int id) const;

  /// Menu 128 (no document open) or menu 129 (a document open): the top-level submenus.
  const std::vector<MenuEntry>& MainMenu(bool documentOpen) const {
    return documentOpen ? documentMenu_ : emptyMenu_;
  }
  /// The toolbar's command ids in order; 0 stands for a separator.
  const std::vector<int>& Toolbar() const { return toolbar_; }
  /// Accelerators that no menu item shows (next and previous pane).
  const std::vector<CommandInfo>& ExtraAccelerators() const { return extraAccelerators_; }

  /// The label of a menu entry: its caption, then "\t" and the accelerator when it has one.
  std::string MenuLabel(const MenuEntry& entry) const;
  /// Every command id a menu reaches, submenus included, in menu order.
  static std::vector<int> CommandIds(const std::vector<MenuEntry>& menu);

  /// A caption without its mnemonic marker and trailing "...": "保存为(&S)..." gives "保存为".
  static std::string PlainCaption(const std::string& caption);

 private:
  CommandTable();

  std::vector<CommandInfo> commands_;
  std::vector<MenuEntry> emptyMenu_;
  std::vector<MenuEntry> documentMenu_;
  std::vector<int> toolbar_;
  std::vector<CommandInfo> extraAccelerators_;
};

}  // namespace tablora
