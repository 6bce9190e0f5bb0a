#include "model/access_comment_script.h"

#include "base/gbk_text.h"
#include "base/text_codec.h"
#include "model/sql_server_comments.h"

namespace tablora {

namespace {

/// A text as a VBScript expression: quoted runs joined to the named line-break and tab
/// constants, and to Chr() for other control characters (a literal cannot hold them).
std::string Literal(const std::string& text) {
  std::string out;
  std::string run;
  bool quoted = false;
  const auto part = [&](const std::string& expression) {
    if (quoted) out += "\"";
    quoted = false;
    if (!out.empty()) out += " & ";
    out += expression;
  };
  for (std::size_t i = 0; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c >= 0x20) {
      if (!quoted) {
        if (!out.empty()) out += " & ";
        out += "\"";
        quoted = true;
      }
      out += c == '"' ? std::string("\"\"") : std::string(1, static_cast<char>(c));
    } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      part("vbCrLf");
      ++i;
    } else if (c == '\n') {
      part("vbLf");
    } else if (c == '\r') {
      part("vbCr");
    } else if (c == '\t') {
      part("vbTab");
    } else {
      part("Chr(" + std::to_string(c) + ")");
    }
  }
  if (quoted) out += "\"";
  return out.empty() ? "\"\"" : out;
}

const char kUsage[] =
    u8"' TABLORA V1.5\n"
    u8"' 把设计中的字段说明写入 MS Access 数据库文件. 请在 Windows 上运行:\n"
    u8"'     cscript Tablora_AccessComment.vbs [数据库文件] [数据库密码]\n"
    u8"' 64 位 Windows 上只装了 32 位驱动时, 请用 %windir%\\SysWOW64\\cscript.exe 运行.\n"
    u8"' 不给文件时写入本脚本所在文件夹中的 ";

const char kOpen[] =
    u8"Option Explicit\n"
    u8"Dim files, path, password, catalog, written, failed\n"
    u8"Set files = CreateObject(\"Scripting.FileSystemObject\")\n"
    u8"path = files.BuildPath(files.GetParentFolderName(WScript.ScriptFullName), ";

const char kConnect[] =
    u8")\n"
    u8"If WScript.Arguments.Count > 0 Then path = files.GetAbsolutePathName(WScript.Arguments(0))\n"
    u8"password = \"\"\n"
    u8"If WScript.Arguments.Count > 1 Then password = WScript.Arguments(1)\n"
    u8"Set catalog = CreateObject(\"ADOX.Catalog\")\n"
    u8"On Error Resume Next\n"
    u8"catalog.ActiveConnection = \"Provider=Microsoft.ACE.OLEDB.12.0;Data Source=\" & path & "
    u8"\";Jet OLEDB:Database Password=\" & password\n"
    u8"If Err.Number <> 0 Then\n"
    u8"  Err.Clear\n"
    u8"  catalog.ActiveConnection = \"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=\" & path & "
    u8"\";Jet OLEDB:Database Password=\" & password\n"
    u8"End If\n"
    u8"If Err.Number <> 0 Then\n"
    u8"  WScript.Echo \"无法打开数据库文件 \" & path & \": \" & Err.Description\n"
    u8"  WScript.Quit 1\n"
    u8"End If\n"
    u8"On Error GoTo 0\n"
    u8"written = 0\n"
    u8"failed = 0\n"
    u8"\n";

const char kTail[] =
    u8"\n"
    u8"WScript.Echo \"写入了 \" & written & \" 个字段说明, \" & failed & \" 个失败.\"\n"
    u8"If failed > 0 Then WScript.Quit 1\n"
    u8"\n"
    u8"' 一个字段的说明; 数据库中没有的表或字段不能写入, 接着写下一个.\n"
    u8"Sub Describe(table, column, text)\n"
    u8"  On Error Resume Next\n"
    u8"  catalog.Tables(table).Columns(column).Properties(\"Description\").Value = text\n"
    u8"  If Err.Number = 0 Then\n"
    u8"    written = written + 1\n"
    u8"  Else\n"
    u8"    failed = failed + 1\n"
    u8"    WScript.Echo \"无法写入 \" & table & \".\" & column & \": \" & Err.Description\n"
    u8"  End If\n"
    u8"End Sub\n";

}  // namespace

const char* AccessCommentScript::FileName() { return "Tablora_AccessComment.vbs"; }

std::string AccessCommentScript::Build(const std::vector<TableDesign>& tables, int tableIndex,
                                       const std::string& accessFileName) {
  std::string shownName = accessFileName;  // a comment line ends at a line break
  for (char& c : shownName) {
    if (static_cast<unsigned char>(c) < 0x20) c = '?';
  }
  std::string script =
      Cp936(kUsage) + shownName + ".\n" + Cp936(kOpen) + Literal(accessFileName) + Cp936(kConnect);
  for (const TableDesign* table : CommentedTables(tables, tableIndex)) {
    for (const ColumnDesign& column : table->columns) {
      script += "Describe " + Literal(table->actualName) + ", " + Literal(column.actualName) +
                ", " + Literal(ColumnCommentText(column)) + "\n";
    }
  }
  return script + Cp936(kTail);
}

std::string AccessCommentScript::FileBytes(const std::string& script) {
  return "\xFF\xFE" + TextCodec::Cp936ToUtf16Le(gbk::ReplaceAll(script, "\n", "\r\n"));
}

}  // namespace tablora
