#include "model/script_opener.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string_view>
#include <unordered_map>

#include "base/file_dialogs.h"
#include "base/gbk_text.h"
#include "base/prompts.h"
#include "base/text_codec.h"
#include "base/text_file.h"
#include "model/design.h"
#include "model/editor_record.h"
#include "model/procedure_script.h"
#include "model/script_clauses.h"
#include "model/script_parser.h"
#include "model/table_conflicts.h"

namespace tablora {

namespace {

bool EndsWithIgnoreCase(const std::string& text, const std::string& suffix) {
  return text.size() >= suffix.size() &&
         gbk::EqualsIgnoreCase(std::string_view(text).substr(text.size() - suffix.size()), suffix);
}

/// CR LF pairs as LF; the text ends at the first byte 0x1A. Done in place.
void TextModeReadInPlace(std::string& text) {
  const std::size_t eof = text.find('\x1A');
  if (eof != std::string::npos) text.resize(eof);
  std::size_t cr = text.find("\r\n");
  if (cr == std::string::npos) return;
  // Runs between CR LF pairs move down over the dropped CRs.
  std::size_t out = cr;
  std::size_t from = cr + 1;
  while (true) {
    cr = text.find("\r\n", from);
    const std::size_t end = cr == std::string::npos ? text.size() : cr;
    std::memmove(text.data() + out, text.data() + from, end - from);
    out += end - from;
    if (cr == std::string::npos) break;
    from = cr + 1;
  }
  text.resize(out);
}

std::string TextModeRead(std::string_view bytes) {
  std::string text(bytes);
  TextModeReadInPlace(text);
  return text;
}

}  // namespace

ScriptOpener::ScriptOpener(Design& design, ScriptParser& parser, Prompts& prompts)
    : design_(design), parser_(parser), prompts_(prompts) {}

bool ScriptOpener::DecodeFile(const std::string& bytes, std::string& text) {
  std::string copy = bytes;
  return DecodeFile(std::move(copy), text);
}

bool ScriptOpener::DecodeFile(std::string&& bytes, std::string& text) {
  if (bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE') {
    text = TextModeRead(TextCodec::Utf16LeToCp936(std::string_view(bytes).substr(2)));
    return !text.empty();
  }
  if (bytes.size() >= 3 && bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) {
    text = TextModeRead(TextCodec::Utf8ToCp936(std::string_view(bytes).substr(3)));
    return !text.empty();
  }
  // Without a mark: text that is valid UTF-8 and holds multi-byte sequences is UTF-8
  // (what most editors write today); anything else is code page 936.
  if (IsMultiByteUtf8(bytes)) {
    std::string converted = TextCodec::Utf8ToCp936(bytes);
    if (!converted.empty()) {
      text = TextModeRead(converted);
      return true;
    }
  }
  text = std::move(bytes);
  TextModeReadInPlace(text);
  return true;
}

bool ScriptOpener::IsMultiByteUtf8(std::string_view bytes) {
  const bool multiByte = std::any_of(bytes.begin(), bytes.end(),
                                     [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
  return multiByte && TextCodec::IsUtf8(bytes);
}

ScriptOpener::StoredLayout ScriptOpener::ReadLayout(const std::string& text) {
  static const std::string kHeader = "/* TABLORA V1.5 ";
  StoredLayout layout;
  if (text.compare(0, kHeader.size() - 6, kHeader, 0, kHeader.size() - 6) != 0) return layout;
  // The layout lives inside the header comment; nothing past its "*/" is taken for it.
  const std::size_t commentEnd = std::min(text.find("*/", 2), text.size());
  std::size_t pos = std::min(kHeader.size(), commentEnd);
  const std::size_t mark = text.find_first_of(":*", pos);
  pos = mark == std::string::npos ? text.size() : mark + 1;
  long long n = 0;
  while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9' && n < (1LL << 40)) {
    n = n * 10 + (text[pos++] - '0');
  }
  if (n <= 0) {
    layout.textStart = pos;
    return layout;
  }
  const std::size_t colon = text.find(':', pos);
  if (colon == std::string::npos || colon >= commentEnd) {
    layout.textStart = pos;
    return layout;
  }
  const std::size_t start = colon + 1;
  const std::size_t length = std::min<std::size_t>(static_cast<std::size_t>(n), commentEnd - start);
  layout.records = LayoutBlock::Decode(std::string_view(text).substr(start, length));
  layout.textStart = start + length;
  return layout;
}

bool ScriptOpener::Fail(const std::string& message, bool tellUser) {
  error_ = message;
  if (tellUser) prompts_.ShowMessage(message, "");
  return false;
}

bool ScriptOpener::ConfirmReplace() {
  if (design_.definitions().empty() && design_.tableCount() == 0) return false;
  static const std::string question =
      Cp936(u8"严重警告---请把程序关闭, 再重新打开!!\n\t要删除原来的表吗?");
  return prompts_.AskYesNo(question, "");
}

bool ScriptOpener::OpenScript(const std::string& givenPath) {
  error_.clear();
  readProcedures_ = false;
  design_.app().designHasContent = true;

  std::string path = givenPath;
  if (path.empty()) {
    path = prompts_.ChooseOpenFile(FileDialogs::OpenDesign(design_.currentPath()));
    if (path.empty()) return false;
  }
  if (EndsWithIgnoreCase(path, ".mdb")) {
    if (databaseFileOpener_) {
      return databaseFileOpener_(path, [this] {
        if (ConfirmReplace()) design_.ClearDesign();
      });
    }
    static const std::string refused = Cp936(u8"还不能打开MS Access数据库文件(.mdb)!");
    return Fail(refused);
  }

  std::error_code folderError;
  if (std::filesystem::is_directory(path, folderError)) {
    static const std::string folder = Cp936(u8"是一个文件夹, 不是SQL脚本文件!");
    return Fail(TextCodec::Utf8ToCp936(path) + " " + folder);
  }
  std::string bytes;
  std::string readError;
  if (!TextFile::ReadBytes(path, bytes, &readError)) {
    static const std::string unreadable = Cp936(u8"无法读取文件! ");
    return Fail(unreadable + TextCodec::Utf8ToCp936(path) + "\n" +
                TextCodec::Utf8ToCp936(readError));
  }
  std::string text;
  if (!DecodeFile(std::move(bytes), text))
    return Fail("UTF-16/UTF-8 conversion gave no text", false);

  // This program's scripts carry display names and notes in "--" comments. A script that
  // describes its tables with MS_Description properties keeps its descriptions there, and
  // its "--" comments are only comments.
  const bool ownScript = text.compare(0, 10, "/* TABLORA") == 0;
  const StoredLayout layout = ReadLayout(text);
  text.erase(0, layout.textStart);

  if (ProcedureScript::IsProcedureScript(text)) {
    std::vector<ProcedureDesign> procedures = ProcedureScript::ParseProcedureScript(text);
    if (ConfirmReplace()) design_.ClearDesign();
    for (ProcedureDesign& procedure : procedures)
      design_.procedures().push_back(std::move(procedure));
    readProcedures_ = true;
    // The table script the design saves does not hold the procedures.
    design_.setCurrentPath(path, true);
    design_.view().DesignLoaded();
    return true;
  }

  static const std::string notTables = Cp936(u8"不是表的SQL脚本文件!");
  // Without a full-width colon the text is its own normalised form.
  if (text.find("\xA3\xBA") != std::string::npos) text = ScriptClauses::NormaliseColons(text);
  const ScriptClauses::Keywords keywords = ScriptClauses::FindKeywords(text, true);
  if (keywords.createTable.empty()) return Fail(notTables);

  const bool lineComments = ownScript || keywords.addProperty.empty();
  std::vector<TableDesign> tables = parser_.ParseTables(text, lineComments, &keywords);
  const std::string parseError = parser_.error();
  const std::vector<ScriptParser::TableName> fileOrder = parser_.fileOrder();
  const std::vector<UserType> userTypes = parser_.userTypes();
  // A script the reader could not read whole is not opened: saving it would lose tables.
  if (!parseError.empty()) {
    static const std::string unreadable = Cp936(u8"无法读完这个脚本, 没有打开:\n");
    return Fail(unreadable + parseError);
  }
  if (tables.empty()) return Fail(notTables);

  // The writer stores one record per table in the order it writes the tables, so record
  // i belongs to the i-th CREATE TABLE of the file: the table the reader keyed by that
  // owner and name (found before a table kept beside one of the design's is renamed).
  const auto key = [](const std::string& owner, const std::string& name) {
    return gbk::ToLowerAscii(OwnerOrDbo(owner)) + '\0' + name;
  };
  std::unordered_map<std::string, std::size_t> positions;
  positions.reserve(tables.size());
  for (std::size_t i = 0; i < tables.size(); ++i)
    positions.emplace(key(tables[i].owner, tables[i].actualName), i);

  // Asked only now, so that a file that holds no tables never costs the open design.
  if (ConfirmReplace()) design_.ClearDesign();
  // Kept beside the design's tables, a file's table of an owner and name the design holds
  // replaces it, goes in under a free name or stays out, as the user says.
  std::vector<TableConflicts::Placement> placements(tables.size());
  if (design_.tableCount() > 0) {
    design_.RefreshTableDefinitions();
    placements =
        TableConflicts::Resolve(design_.definitions(), tables, ConflictPolicy::kAsk, prompts_);
  }
  // A new table whose editor has not built its text yet has no definition; an empty one
  // keeps its index so that the file's tables get indexes of their own (the editor's
  // first parse replaces it).
  if (static_cast<int>(design_.definitions().size()) < design_.tableCount()) {
    design_.definitions().resize(static_cast<std::size_t>(design_.tableCount()));
  }
  const int firstNew = static_cast<int>(design_.definitions().size());
  // A record settled to its editor's form is kept as it is; any other passes through its
  // editor's build-and-parse cycle.
  const EditorRecord editorRecord(design_.app());
  std::vector<int> indexOf(tables.size(), -1);  ///< the design's index of each new table
  std::vector<bool> settled;
  for (std::size_t i = 0; i < tables.size(); ++i) {
    if (placements[i].kind == TableConflicts::Placement::kReplace) {
      design_.ReplaceTable(placements[i].index, std::move(tables[i]));
    } else if (placements[i].kind == TableConflicts::Placement::kAppend) {
      settled.push_back(editorRecord.Settle(tables[i]));
      indexOf[i] = static_cast<int>(design_.definitions().size());
      design_.definitions().push_back(std::move(tables[i]));
    }
  }
  for (int i = firstNew; i < static_cast<int>(design_.definitions().size()); ++i) {
    if (settled[static_cast<std::size_t>(i - firstNew)]) {
      design_.AddSettledTable(i);
    } else {
      design_.AddTable(false, i);
    }
  }

  for (std::size_t i = 0; i < layout.records.size() && i < fileOrder.size(); ++i) {
    const auto found = positions.find(key(fileOrder[i].owner, fileOrder[i].actualName));
    if (found == positions.end()) continue;
    const int index = indexOf[found->second];
    if (index >= 0 && index < design_.tableCount()) {
      TableWindowState& window = design_.entry(index).window;
      const LayoutRecord& record = layout.records[i];
      const int width = window.right - window.left;
      const int height = window.bottom - window.top;
      window.left = record.left;
      window.top = record.top;
      window.right = record.left + width;
      window.bottom = record.top + height;
      window.textColour = record.textColour;
      window.bkColour = record.bkColour;
    }
  }
  for (const UserType& type : userTypes) {
    bool known = false;
    for (const UserType& have : design_.userTypes()) {
      known = known || gbk::EqualsIgnoreCase(have.name, type.name);
    }
    if (!known) design_.userTypes().push_back(type);
  }
  design_.setCurrentPath(path, !keywords.unkept.empty());
  design_.view().DesignLoaded();
  return true;
}

}  // namespace tablora
