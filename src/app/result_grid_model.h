#pragma once

#include "db/query/result_grid.h"

namespace tablora {

class GridModel;

/// A query's rows in a grid's model (the query window's grid).
class ResultGridModel : public ResultGrid {
 public:
  explicit ResultGridModel(GridModel& model) : model_(model) {}

  void Clear() override;
  bool Reserve(int rows, int columns) override;
  void SetHeader(int column, const std::string& name) override;
  void SetText(int row, int column, std::string text) override;

 private:
  GridModel& model_;
};

}  // namespace tablora
