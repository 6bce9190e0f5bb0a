#pragma once

#include <string>
#include <vector>

namespace tablora {

class DatabaseSession;
class Design;
class Prompts;

/// The procedure view's popup ("MainViewProcedure").
namespace procedure_cmd {
constexpr int kCopyAll = 32835;
constexpr int kSave = 32836;
constexpr int kUpdate = 32837;
}  // namespace procedure_cmd

struct ProcedureMenuEntry {
  int id;
  const char* captionUtf8;
};
/// The popup's commands in menu order.
const std::vector<ProcedureMenuEntry>& ProcedureMenuCommands();

/// What the procedure view's commands do with the design and the database; copying to the
/// clipboard is the view's own. Texts are code page 936 as the view shows them.
class ProcedureCommands {
 public:
  /// `database` may be null (no connection routes: updating then stops quietly).
  ProcedureCommands(Design& design, Prompts& prompts, DatabaseSession* database)
      : design_(design), prompts_(prompts), database_(database) {}

  /// "保存内容(&B)": `text` becomes procedure `index`'s text. False when there is no such
  /// procedure.
  bool Save(int index, const std::string& text);
  /// "更新到数据库(&C)": saves, then replaces the procedure on the server (ProcedureUpdate)
  /// after connecting when needed, and tells the user how it went. True when the server
  /// took it.
  bool UpdateToDatabase(int index, const std::string& text);

 private:
  Design& design_;
  Prompts& prompts_;
  DatabaseSession* database_;
};

}  // namespace tablora
