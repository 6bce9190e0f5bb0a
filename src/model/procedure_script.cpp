#include "model/procedure_script.h"

#include "base/gbk_text.h"
#include "model/script_clauses.h"
#include "model/sql_cursor.h"

namespace tablora {

namespace {

std::size_t FindFirstOf(const std::string& text, const char* chars, std::size_t from = 0) {
  return text.find_first_of(chars, from);
}

/// Owner from the create line: the part from the procedure keyword up to and including the
/// first "."; everything up to the last of " ", "[", "(" dropped; then up to " ]).".
std::string OwnerOf(const std::string& line, const std::string& lowerLine) {
  const std::size_t dot = line.find('.');
  if (dot == std::string::npos) return {};
  const std::size_t proc = lowerLine.find("proc");
  if (proc == std::string::npos || proc > dot) return {};
  std::string part = line.substr(proc, dot - proc + 1);
  for (std::size_t cut = FindFirstOf(part, " [("); cut != std::string::npos;
       cut = FindFirstOf(part, " [(")) {
    part = part.substr(cut + 1);
  }
  return part.substr(0, FindFirstOf(part, " ])."));
}

std::string NameOf(const std::string& line, const std::string& lowerLine) {
  std::size_t start;
  const std::size_t dot = line.find('.');
  if (dot != std::string::npos) {
    start = dot + 1;
  } else {
    // No owner: the word after the procedure keyword ("proc" or "procedure").
    const std::size_t proc = lowerLine.find("proc");
    start = proc + 4;
    while (start < line.size() && line[start] != ' ' && line[start] != '\t' && line[start] != '[' &&
           line[start] != '(') {
      ++start;
    }
  }
  while (start < line.size() && (line[start] == ' ' || line[start] == '\t' || line[start] == '['))
    ++start;
  std::size_t end = start;
  static const std::string kEnds(" [](\n\t\r)");
  while (end < line.size() && kEnds.find(line[end]) == std::string::npos) {
    end += gbk::CharSize(line, end);
  }
  return line.substr(start, end - start);
}

bool IsGoLine(const std::string& text, std::size_t begin, std::size_t end) {
  static const char* const kBlanks = " \t\r";
  const std::size_t first = text.find_first_not_of(kBlanks, begin);
  if (first == std::string::npos || first + 2 > end) return false;
  const std::size_t last = text.find_last_not_of(kBlanks, end - 1);
  return last == first + 1 && (text[first] == 'g' || text[first] == 'G') &&
         (text[first + 1] == 'o' || text[first + 1] == 'O');
}

std::size_t LineEnd(const std::string& text, std::size_t begin) {
  const std::size_t feed = text.find('\n', begin);
  return feed == std::string::npos ? text.size() : feed;
}

}  // namespace

ProcedureScript::GoLine ProcedureScript::FindGoLine(const std::string& text, std::size_t from) {
  for (std::size_t feed = text.find('\n', from); feed != std::string::npos;
       feed = text.find('\n', feed + 1)) {
    const std::size_t end = LineEnd(text, feed + 1);
    if (IsGoLine(text, feed + 1, end)) return {feed, end < text.size() ? end + 1 : end};
  }
  return {};
}

std::vector<std::string> ProcedureScript::SplitBatches(const std::string& text) {
  std::vector<std::string> batches;
  std::size_t batch = 0;
  for (std::size_t line = 0; line < text.size();) {
    const std::size_t end = LineEnd(text, line);
    const std::size_t next = end < text.size() ? end + 1 : end;
    if (IsGoLine(text, line, end)) {
      if (text.find_first_not_of(" \t\r\n", batch) < line)
        batches.push_back(text.substr(batch, line - batch));
      batch = next;
    }
    line = next;
  }
  if (text.find_first_not_of(" \t\r\n", batch) != std::string::npos)
    batches.push_back(text.substr(batch));
  return batches;
}

bool ProcedureScript::IsProcedureScript(const std::string& text) {
  // The first CREATE that is code (not in a comment or literal) decides.
  const std::size_t create = ScriptClauses::FindFirstCodeWord(text, "create");
  if (create == std::string::npos) return false;
  SqlCursor cursor(text, create);
  cursor.Keyword("create");
  cursor.Keyword("or alter");
  return cursor.Keyword("proc") || cursor.Keyword("procedure");
}

std::vector<ProcedureDesign> ProcedureScript::ParseProcedureScript(const std::string& text) {
  std::vector<ProcedureDesign> procedures;
  const std::string lower = gbk::ToLowerAscii(text);
  std::size_t pos = 0;
  while (true) {
    const std::size_t create = lower.find("create", pos);
    if (create == std::string::npos) break;
    const std::size_t lineEnd = lower.find('\n', create);
    if (lineEnd == std::string::npos) break;
    const std::string line = text.substr(create, lineEnd - create);
    const std::string lowerLine = lower.substr(create, lineEnd - create);
    if (lowerLine.find("proc") == std::string::npos) break;

    ProcedureDesign procedure;
    procedure.owner = OwnerOf(line, lowerLine);
    procedure.name = NameOf(line, lowerLine);
    const GoLine go = FindGoLine(text, lineEnd);
    if (go.start == std::string::npos) {
      procedure.text = text.substr(create);
      pos = text.size();
    } else {
      procedure.text = text.substr(create, go.end - create);
      pos = go.end;
    }
    procedures.push_back(std::move(procedure));
  }
  return procedures;
}

}  // namespace tablora
