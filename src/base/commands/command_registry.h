#pragma once

#include <functional>
#include <map>

namespace tablora {

/// Handlers for main-window commands that other subsystems provide. The main window runs a
/// registered handler for a command id it does not handle itself, and shows the command
/// disabled while no handler is registered or the handler's condition is false.
class CommandRegistry {
 public:
  using Handler = std::function<void()>;
  using Condition = std::function<bool()>;

  /// Registers (or replaces) the handler of `id`; an empty condition means always enabled.
  void Register(int id, Handler handler, Condition enabled = {});
  bool Has(int id) const { return handlers_.count(id) != 0; }
  /// Registered and its condition holds.
  bool IsEnabled(int id) const;
  /// Runs the handler when enabled; false when nothing ran.
  bool Run(int id) const;

 private:
  struct Entry {
    Handler handler;
    Condition enabled;
  };
  std::map<int, Entry> handlers_;
};

}  // namespace tablora
