#pragma once

#include <vector>

#include "db/import/schema_import.h"

class wxDialog;
class wxGauge;
class wxWindow;

namespace tablora {

/// "请稍候": the modeless progress dialog of an import, made when the import starts and
/// destroyed when it ends.
class ImportProgressDialog : public ImportObserver {
 public:
  static constexpr int kGaugeId = 1083;

  explicit ImportProgressDialog(wxWindow* parent) : parent_(parent) {}
  ~ImportProgressDialog() override;

  void ProgressStarted() override;
  void ProgressChanged(int position) override;
  void ProgressEnded() override;

  /// The dialog while an import runs; null otherwise.
  wxDialog* dialog() const { return dialog_; }
  /// Every position shown since the last start, for tests.
  const std::vector<int>& positions() const { return positions_; }

 private:
  wxWindow* parent_;
  wxDialog* dialog_ = nullptr;
  wxGauge* gauge_ = nullptr;
  std::vector<int> positions_;
};

}  // namespace tablora
