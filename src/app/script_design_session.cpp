#include "app/script_design_session.h"

namespace tablora {

ScriptDesignSession::ScriptDesignSession(AppState& app, Prompts& prompts, DesignView* view)
    : prompts_(prompts),
      view_(view != nullptr ? view : &headless_),
      parser_(app.settings.programFolder, &prompts),
      design_(app, prompts, parser_, this),
      opener_(design_, parser_, prompts),
      writer_(app),
      database_(design_, prompts, app.settings.programFolder),
      history_(design_) {
  opener_.setDatabaseFileOpener([this](const std::string& path,
                                       const std::function<void()>& beforeAdding) {
    opening_ = true;
    const bool imported = database_.OpenAccessFile(path, beforeAdding);
    opening_ = false;
    return imported;
  });
}

bool ScriptDesignSession::OpenScript(const std::string& path) {
  const bool hadContent =
      design_.tableCount() > 0 || !design_.definitions().empty() || !design_.procedures().empty();
  opening_ = true;
  clearedWhileOpening_ = false;
  const bool opened = opener_.OpenScript(path);
  opening_ = false;
  // Kept tables merged with the file's make a design that no file holds yet.
  // An open starts a new history; kept tables merged with the file's make a design that
  // no file holds yet.
  if (opened) {
    history_.Reset(!(hadContent && !clearedWhileOpening_));
    unrecorded_ = false;
  }
  return opened;
}

bool ScriptDesignSession::SaveScript(const std::string& path) {
  if (!writer_.SaveScript(design_, prompts_, path, -1)) return false;
  // The writer records a path the user chose; a given path becomes current here.
  if (!path.empty()) design_.setCurrentPath(path);
  history_.MarkSaved();
  unrecorded_ = false;
  return true;
}

bool ScriptDesignSession::SaveTableScript(int index) {
  // One table's file is not the design's file: the design keeps its own path.
  const std::string designPath = design_.currentPath();
  const bool holdsMore = design_.currentFileHoldsMore();
  const bool saved = writer_.SaveScript(design_, prompts_, "", index);
  design_.setCurrentPath(designPath, holdsMore);
  return saved;
}

std::vector<TableSummary> ScriptDesignSession::Tables() const {
  std::vector<TableSummary> tables;
  for (const TableDesign& table : design_.definitions()) {
    tables.push_back({table.displayName, table.actualName, static_cast<int>(table.columns.size())});
  }
  return tables;
}

bool ScriptDesignSession::Undo() {
  if (!history_.Undo()) return false;
  unrecorded_ = false;
  return true;
}

bool ScriptDesignSession::Redo() {
  if (!history_.Redo()) return false;
  unrecorded_ = false;
  return true;
}

void ScriptDesignSession::Noted(bool recorded) {
  if (opening_ || history_.applying()) return;
  if (!recorded) unrecorded_ = true;
}

void ScriptDesignSession::TableAdded(int index, bool show) {
  if (!opening_) history_.TableAdded(index);
  view_->TableAdded(index, show);
}

void ScriptDesignSession::TableRemoved(int index) {
  if (!opening_) history_.TableRemoved(index);
  view_->TableRemoved(index);
}

void ScriptDesignSession::TableChanged(int index) {
  Noted(!opening_ && history_.TableChanged(index));
  view_->TableChanged(index);
}

void ScriptDesignSession::TableTreeTextChanged(int index, const std::string& treeText) {
  Noted(false);
  view_->TableTreeTextChanged(index, treeText);
}

void ScriptDesignSession::TableWindowChanged(int index) {
  Noted(!opening_ && history_.TableChanged(index));
  view_->TableWindowChanged(index);
}

void ScriptDesignSession::DesignCleared() {
  if (opening_) clearedWhileOpening_ = true;
  history_.Reset(false);
  view_->DesignCleared();
}

}  // namespace tablora
