#include "db/query/query_runner.h"

#include <cstdio>
#include <memory>

#include "base/gbk_text.h"
#include "base/prompts.h"
#include "base/text_codec.h"
#include "db/access/ado_connection.h"
#include "db/access/row_cursor.h"
#include "db/access/value_rules.h"
#include "db/query/result_grid.h"

namespace tablora {

namespace {

/// The display texts of one row: the text rule, reals cut two places after the point.
std::vector<std::string> RowTexts(const std::vector<ResultColumn>& columns,
                                  const std::vector<ResultCell>& cells) {
  std::vector<std::string> texts(columns.size());
  for (std::size_t c = 0; c < columns.size() && c < cells.size(); ++c) {
    const int type = columns[c].adoType;
    texts[c] = ValueRules::Text(type, cells[c]);
    if (type == ado::kSingle || type == ado::kDouble) texts[c] = ValueRules::CutDecimals(texts[c]);
  }
  return texts;
}

void FillRow(ResultGrid& grid, int row, std::vector<std::string>& texts) {
  for (std::size_t c = 0; c < texts.size(); ++c)
    grid.SetText(row, static_cast<int>(c), std::move(texts[c]));
}

/// The descriptions of a failure's diagnostics, one a line.
std::string ErrorMessage(const std::vector<DiagnosticRecord>& errors) {
  std::string text;
  for (const DiagnosticRecord& e : errors) {
    if (!text.empty()) text += "\r\n";
    text += e.description.empty() ? e.state : e.description;
  }
  return text;
}

/// Skips blanks and comments ("--" to the line end, "/* */") from `pos`.
std::size_t SkipBlanks(const std::string& sql, std::size_t pos) {
  while (pos < sql.size()) {
    if (gbk::IsSpace(sql[pos]) || sql[pos] == '(') {
      ++pos;
    } else if (sql.compare(pos, 2, "--") == 0) {
      pos = sql.find('\n', pos);
    } else if (sql.compare(pos, 2, "/*") == 0) {
      pos = sql.find("*/", pos + 2);
      if (pos != std::string::npos) pos += 2;
    } else {
      break;
    }
  }
  return pos;
}

}  // namespace

bool QueryRunner::IsPlainSelect(const std::string& sql) {
  const std::size_t start = SkipBlanks(sql, 0);
  if (start == std::string::npos || start + 6 > sql.size() ||
      !gbk::EqualsIgnoreCase(std::string_view(sql).substr(start, 6), "select"))
    return false;
  if (start + 6 < sql.size() && gbk::IsWordChar(static_cast<unsigned char>(sql[start + 6])))
    return false;
  // A second statement after a ";" might change data when run again.
  const std::size_t semicolon = sql.find(';', start);
  return semicolon == std::string::npos ||
         sql.find_first_not_of(" \t\r\n;", semicolon) == std::string::npos;
}

std::string QueryRunner::CountText(const QueryOutcome& outcome) {
  if (!outcome.ok) return {};
  static const std::string format = Cp936(u8"受影响记录:");
  return format + std::to_string(outcome.count);
}

std::string QueryRunner::TooManyQuestion(int count) {
  return Cp936(u8"选择的记录太多, 有") + std::to_string(count) +
         Cp936(u8"条, 全部显示会花很多时间. \n是否继续? 是--全显示, 否--只显示100条");
}

QueryOutcome QueryRunner::Fail(QueryOutcome outcome, ResultGrid& grid) {
  grid.Clear();
  outcome.ok = false;
  outcome.count = 0;
  outcome.shown = 0;
  if (outcome.error.empty()) outcome.error = Cp936(u8"数据库驱动程序没有给出错误信息。");
  prompts_.ShowMessage(Cp936(u8"执行SQL语句失败:\r\n") + outcome.error, "Tablora");
  return outcome;
}

QueryOutcome QueryRunner::Run(const std::string& sql, ResultGrid& grid) {
  grid.Clear();
  QueryOutcome outcome;
  std::unique_ptr<RowCursor> cursor = connection_.OpenCursor(sql);
  if (!cursor) {
    outcome.error = ErrorMessage(connection_.errors());
    return Fail(std::move(outcome), grid);
  }
  const std::vector<ResultColumn> columns = cursor->columns();
  if (columns.empty()) {
    outcome.ok = true;
    outcome.count = -1;
    return outcome;
  }
  // Count every row; keep the values of the first 1,000 (of all rows when the text could
  // not be run again without side effects).
  const bool canRunAgain = IsPlainSelect(sql);
  std::vector<std::vector<std::string>> kept;
  std::vector<ResultCell> cells;
  long long count = 0;
  while (cursor->Next()) {
    if (!canRunAgain || count < kAskAbove) {
      if (!cursor->Read(cells)) break;
      kept.push_back(RowTexts(columns, cells));
    }
    ++count;
  }
  if (cursor->failed()) {
    outcome.error = ErrorMessage(cursor->errors());
    return Fail(std::move(outcome), grid);
  }
  outcome.ok = true;
  outcome.count = count > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<int>(count);
  if (outcome.count == 0) return outcome;

  int rowsToShow = outcome.count;
  if (outcome.count > kAskAbove && !prompts_.AskYesNo(TooManyQuestion(outcome.count), "Tablora"))
    rowsToShow = kShortRows;
  const int fieldCount = static_cast<int>(columns.size());
  if (!grid.Reserve(rowsToShow + 1, fieldCount)) {
    prompts_.ShowMessage(Cp936(u8"内存不足, 只显示前100条记录"), "Tablora");
    rowsToShow = std::min(rowsToShow, kShortRows);
    if (!grid.Reserve(rowsToShow + 1, fieldCount)) return outcome;
  }
  for (int c = 0; c < fieldCount; ++c) grid.SetHeader(c, columns[c].name);

  if (rowsToShow <= static_cast<int>(kept.size())) {
    for (int r = 0; r < rowsToShow; ++r) FillRow(grid, r + 1, kept[r]);
    outcome.shown = rowsToShow;
    return outcome;
  }
  // All rows of a large plain SELECT: run it again and fill the grid as the rows come.
  kept.clear();
  cursor.reset();
  cursor = connection_.OpenCursor(sql);
  if (!cursor) {
    outcome.error = ErrorMessage(connection_.errors());
    prompts_.ShowMessage(Cp936(u8"执行SQL语句失败:\r\n") + outcome.error, "Tablora");
    return outcome;
  }
  while (outcome.shown < rowsToShow && cursor->Next() && cursor->Read(cells)) {
    std::vector<std::string> texts = RowTexts(columns, cells);
    FillRow(grid, ++outcome.shown, texts);
  }
  if (cursor->failed()) {
    outcome.error = ErrorMessage(cursor->errors());
    prompts_.ShowMessage(Cp936(u8"执行SQL语句失败:\r\n") + outcome.error, "Tablora");
  }
  return outcome;
}

}  // namespace tablora
