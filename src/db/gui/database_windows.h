#pragma once

#include <string>
#include <vector>

class wxWindow;

namespace tablora {

class DatabaseSession;
class Prompts;

/// Gives `session` its real dialogs and the import progress dialog over `parent`.
/// `kindNames` are the settings' database kinds (code page 936).
void AttachDatabaseWindows(DatabaseSession& session, wxWindow* parent, Prompts& prompts,
                           const std::vector<std::string>& kindNames);

}  // namespace tablora
