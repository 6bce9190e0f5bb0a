#pragma once

#include <vector>

namespace tablora {

/// One command of a table window's menu "rightwnd_popup".
struct TableCommand {
  int id;
  const char* captionUtf8;
  bool separatorAfter;
};

/// The commands of a table window's menu, in menu order, with their command numbers.
const std::vector<TableCommand>& TableMenuCommands();

/// Runs the menu commands of a table window; every command works on the window's table.
class TableCommandTarget {
 public:
  virtual ~TableCommandTarget() = default;
  /// False for commands whose work the program does not hold (shown disabled).
  virtual bool IsTableCommandEnabled(int id, int table) const = 0;
  virtual void RunTableCommand(int id, int table) = 0;
};

namespace table_cmd {
constexpr int kProperties = 32772;
constexpr int kTextColour = 32779;
constexpr int kBackColour = 32805;
constexpr int kWholeBox = 32816;
constexpr int kDisplayStyles = 32810;
constexpr int kGenCStruct = 32775;
constexpr int kGenJavaClass = 32776;
constexpr int kGenCppClass = 32781;
constexpr int kSelectOne = 32815;
constexpr int kSelectTen = 32813;
constexpr int kSelectAll = 32814;
constexpr int kSelectStatement = 32784;
constexpr int kInsertStatement = 32801;
constexpr int kUpdateStatement = 32829;
constexpr int kDeleteStatement = 32830;
constexpr int kBackupStatement = 32832;
constexpr int kDropStatement = 32831;
constexpr int kReloadFromDatabase = 32819;
constexpr int kWriteToDatabase = 32820;
constexpr int kWriteCommentsToDatabase = 32827;
constexpr int kSaveTableScript = 32833;
/// "删除表(&E)": takes the table out of the design (nothing is sent to a database).
constexpr int kRemoveTable = 32850;
}  // namespace table_cmd

}  // namespace tablora
