#pragma once

namespace tablora {

class DatabaseSession;
class Design;

/// What a subsystem's commands need of the design behind the main window: the design they
/// read and its connection and import routes. The shell's design session provides it.
class DesignContext {
 public:
  virtual ~DesignContext() = default;

  /// The design behind the session, for the commands that read its tables (the code
  /// generators); nullptr when there is none.
  virtual Design* design() { return nullptr; }
  /// The connection and import routes of the design; nullptr when there are none.
  virtual DatabaseSession* database() { return nullptr; }
};

}  // namespace tablora
