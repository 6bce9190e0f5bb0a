#pragma once

#include <string>
#include <vector>

#include "model/procedure_design.h"

namespace tablora {

class AdoConnection;

/// Reads the stored procedures of an MS SQL Server database: the names from the catalog,
/// then each one's source text, then each one's parameters.
class ProcedureImport {
 public:
  explicit ProcedureImport(AdoConnection& connection) : connection_(connection) {}

  /// Appends the database's procedures to `procedures` in catalog order, leaving out the
  /// system ones ("dt_..."); a number suffix (";1") is cut off the name. A procedure whose
  /// text or parameters cannot be read (an encrypted one) keeps that part empty and the
  /// others are still read. Returns how many were appended.
  int Run(std::vector<ProcedureDesign>& procedures);

 private:
  void ReadText(ProcedureDesign& procedure);
  void ReadParameters(ProcedureDesign& procedure);

  AdoConnection& connection_;
};

}  // namespace tablora
