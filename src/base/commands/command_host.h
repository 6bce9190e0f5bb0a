#pragma once

namespace tablora {

struct AppState;
class CommandRegistry;
class DesignContext;
class Prompts;

/// What a subsystem's window code sees of the main window: where it registers its command
/// handlers, the shared state, the prompts questions go through and the design session.
class CommandHost {
 public:
  virtual CommandRegistry& commandRegistry() = 0;
  virtual AppState& appState() = 0;
  virtual Prompts& prompts() = 0;
  /// The design behind the window, or nullptr while none is set.
  virtual DesignContext* session() const = 0;

 protected:
  ~CommandHost() = default;
};

}  // namespace tablora
