#pragma once

#include <wx/stc/stc.h>

#include <string>

class wxMenu;

namespace tablora {

class CommandHost;

/// The procedure view's text control: one stored procedure's text, coloured as
/// ProcedureColouring says, editable, with the popup "复制全部内容(&A)", "保存内容(&B)" and
/// "更新到数据库(&C)".
class ProcedureView : public wxStyledTextCtrl {
 public:
  /// Style numbers of the colours.
  enum Style { kPlainStyle = 0, kDataTypeStyle = 1, kKeywordStyle = 2, kCommentStyle = 3 };

  ProcedureView(wxWindow* parent, CommandHost& host);

  /// Shows procedure `index` of the design, coloured, with the caret at the start.
  void ShowProcedure(int index);
  /// The procedure shown, or -1.
  int procedureIndex() const { return index_; }
  /// Colours the text the control holds now.
  void ColourText();

  /// The popup's commands.
  void CopyAll();
  void SaveText();
  void UpdateToDatabase();
  /// The popup as built for a context-menu request (command ids minus kMenuIdBase, as wx
  /// takes ids only below 0x7FFF).
  static wxMenu* BuildMenu();
  static constexpr int kMenuIdBase = 30000;

 private:
  void OnContextMenu(wxContextMenuEvent& event);
  void RunCommand(int id);

  CommandHost& host_;
  int index_ = -1;
  std::string name_;  ///< the shown procedure's name, so a replaced design is not written to
};

}  // namespace tablora
