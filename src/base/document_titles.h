#pragma once

#include <string>

namespace tablora {

/// How the program's documents and its main window are titled. Texts are code page 936.
class DocumentTitles {
 public:
  /// The base name of untitled documents ("TabloraD1", "TabloraD2", ...).
  static constexpr const char* kBaseName = "TabloraD";
  /// The program's name, first in the main window's title.
  static constexpr const char* kProgramName = "Tablora";

  /// "表视图": the design window.
  static const std::string& DesignView();
  /// "存储过程视图": the procedure window.
  static const std::string& ProcedureView();

  /// The name the n-th untitled document gets (n counts from 1 over the whole run).
  static std::string UntitledName(int counter);
  /// The title a new document gives itself: "TabloraD1" becomes "表视图", "TabloraD2"
  /// becomes "存储过程视图", any other name stays.
  static std::string TitleOfNewDocument(const std::string& untitledName);
  /// "Tablora - title" for the active document, or "Tablora" when none is active;
  /// "Tablora - title *" for a document showing a design changed since it was opened or
  /// saved.
  static std::string FrameTitle(const std::string& activeDocumentTitle, bool changed = false);
  /// True when two titles are equal ignoring ASCII letter case.
  static bool SameTitle(const std::string& a, const std::string& b);
  /// "将改动保存到 %1？" with %1 replaced by `name`.
  static std::string SaveQuestion(const std::string& name);
};

}  // namespace tablora
