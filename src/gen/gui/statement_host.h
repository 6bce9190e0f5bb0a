#pragma once

#include <string>
#include <vector>

#include "base/prompts.h"
#include "base/settings.h"
#include "model/table_design.h"

class wxWindow;

namespace tablora {

/// What the statement builder windows need from the main window: a parent, the settings,
/// the design's tables, prompts, the last database and the query window.
class StatementHost {
 public:
  virtual ~StatementHost() = default;
  virtual wxWindow* DialogParent() = 0;
  virtual const Settings& settings() = 0;
  /// The design's table definitions (an empty list without a design). With `refresh` the
  /// open editors' texts are parsed back first.
  virtual const std::vector<TableDesign>& Definitions(bool refresh) = 0;
  virtual Prompts& prompts() = 0;
  /// The database of the last confirmed connection, or "".
  virtual std::string LastDatabase() = 0;
  /// False, with the reason in `why`, when statements cannot be run from the builder.
  virtual bool CanExecute(std::string& why) = 0;
  /// Runs `sql` in a query window and shows its result or the driver's error.
  virtual void Execute(const std::string& sql) = 0;
};

}  // namespace tablora
