#include "base/commands/command_registry.h"

namespace tablora {

void CommandRegistry::Register(int id, Handler handler, Condition enabled) {
  handlers_[id] = {std::move(handler), std::move(enabled)};
}

bool CommandRegistry::IsEnabled(int id) const {
  const auto it = handlers_.find(id);
  if (it == handlers_.end() || !it->second.handler) return false;
  return !it->second.enabled || it->second.enabled();
}

bool CommandRegistry::Run(int id) const {
  if (!IsEnabled(id)) return false;
  handlers_.at(id).handler();
  return true;
}

}  // namespace tablora
