#include "app/script_design_session.h"

namespace tablora {

ScriptDesignSession::ScriptDesignSession(AppState& app, Prompts& prompts, DesignView* view)
    : prompts_(prompts),
      view_(view != nullptr ? view : &headless_),
      parser_(app.settings.programFolder, &prompts),
      design_(app, prompts, parser_, this),
      opener_(design_, parser_, prompts),
      writer_(app),
      database_(design_, prompts, app.settings.programFolder) {
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
  if (opened) modified_ = hadContent && !clearedWhileOpening_;
  return opened;
}

bool ScriptDesignSession::SaveScript(const std::string& path) {
  if (!writer_.SaveScript(design_, prompts_, path, -1)) return false;
  // The writer records a path the user chose; a given path becomes current here.
  if (!path.empty()) design_.setCurrentPath(path);
  modified_ = false;
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

void ScriptDesignSession::MarkChanged() {
  newTable_ = -1;
  if (!opening_) modified_ = true;
}

void ScriptDesignSession::TableAdded(int index, bool show) {
  const bool before = modified_;
  MarkChanged();
  if (show) {
    newTable_ = index;
    modifiedBeforeNewTable_ = before;
  }
  view_->TableAdded(index, show);
}

void ScriptDesignSession::TableRemoved(int index) {
  const bool newTableOnly = index == newTable_;
  const bool before = modifiedBeforeNewTable_;
  MarkChanged();
  if (newTableOnly) modified_ = before;
  view_->TableRemoved(index);
}

void ScriptDesignSession::TableChanged(int index) {
  MarkChanged();
  view_->TableChanged(index);
}

void ScriptDesignSession::TableTreeTextChanged(int index, const std::string& treeText) {
  MarkChanged();
  view_->TableTreeTextChanged(index, treeText);
}

void ScriptDesignSession::TableWindowChanged(int index) {
  MarkChanged();
  view_->TableWindowChanged(index);
}

void ScriptDesignSession::DesignCleared() {
  if (opening_) clearedWhileOpening_ = true;
  MarkChanged();
  view_->DesignCleared();
}

}  // namespace tablora
