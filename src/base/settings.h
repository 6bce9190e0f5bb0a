#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace tablora {

/// An RGB colour.
struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  bool operator==(const Rgb& o) const { return red == o.red && green == o.green && blue == o.blue; }
  /// The COLORREF form 0x00BBGGRR that stored layouts use.
  std::uint32_t ToColorRef() const { return red | (green << 8) | (blue << 16); }
  static Rgb FromColorRef(std::uint32_t v) {
    return {static_cast<std::uint8_t>(v & 0xFF), static_cast<std::uint8_t>((v >> 8) & 0xFF),
            static_cast<std::uint8_t>((v >> 16) & 0xFF)};
  }
};

/// Database kinds, in the order of the settings' kind list.
enum DatabaseKind : int { kSqlServer = 0, kAccess = 1, kOracle = 2 };

/// An ordered map keyed by exact bytes; the first pair for a key wins.
using TextMap = std::map<std::string, std::string>;

/// Every setting of the program, read once from setting/Tablora.ini (code page 936).
struct Settings {
  static constexpr int kDataTypeSlots = 10;
  static constexpr int kDropDownSlots = 21;

  std::string programFolder;  ///< base of every relative path of the program
  std::string settingsPath;   ///< programFolder + "/setting/Tablora.ini"

  std::string dialogBkColor = "007777";    ///< RRGGBB
  std::string dialogTextColor = "FF77FF";  ///< RRGGBB

  int tableWinWidth = 150;
  int tableWinHeight = 150;
  int marginW = 10;
  int marginH = 20;
  bool showRelations = true;  ///< the design view draws the foreign keys as lines
  /// Table windows: each column as wide as its longest text, at most `maxColumnWidth`
  /// pixels ("列宽适应内容"); off, the widths of `columnWidths` hold.
  bool fitColumnWidths = false;
  int maxColumnWidth = 300;
  /// Generated code files in UTF-8 (`CodeFile`/`Encoding` "UTF-8", any letter case);
  /// otherwise code page 936.
  bool codeFilesUtf8 = false;
  /// Where the work box stands and how big it is (`WorkBox`/`Place`, read by the work box's
  /// docking arithmetic); empty: docked at the left at its default size.
  std::string workBoxPlace;

  std::vector<std::string> databaseKindNames;
  /// Slot k: the data type names of database kind k.
  std::array<std::vector<std::string>, kDataTypeSlots> dataTypeLists;
  /// Slot 0: SQL keywords; slot c + 1: the drop-down items of editor grid column c.
  std::array<std::vector<std::string>, kDropDownSlots> dropDownLists;
  /// 1-based editor grid column numbers that get a drop-down list.
  std::vector<int> dropDownColumns;
  std::vector<std::string> headerStyles;  ///< ShowTypeHead
  std::vector<std::string> columnStyles;  ///< ShowType
  std::vector<std::string> gridCaptions;  ///< DesignTableCols captions, in column order
  int currentHeaderStyle = 0;             ///< 1-based
  int currentColumnStyle = 0;             ///< 1-based

  TextMap typeC;         ///< Table2StructC
  TextMap prefixC;       ///< TypeCExName
  TextMap typeJava;      ///< Table2ClassJava
  TextMap prefixJava;    ///< TypeJavaExName
  TextMap typeOdbc;      ///< Table2OdbcC
  TextMap gridWidths;    ///< DesignTableCols caption -> width text
  TextMap columnWidths;  ///< ColType word -> width text
  TextMap typeOracle;    ///< Sql2OracleType, loaded and kept

  Rgb dataTypeColour{0, 0, 255};
  Rgb keywordColour{20, 60, 150};
  Rgb commentColour{51, 153, 0};

  /// The C type of a design type, or the design type itself when unmapped.
  std::string LookupCType(const std::string& designType) const;
  /// The C prefix: "" when unmapped, "a" + prefix for length > 0, else the prefix.
  std::string LookupCPrefix(const std::string& cType, int length) const;
  std::string LookupJavaType(const std::string& designType) const;
  /// The Java prefix, or "" when unmapped.
  std::string LookupJavaPrefix(const std::string& javaType) const;
  std::string LookupOdbcType(const std::string& designType) const;
  /// Editor grid column width by caption, or -1 when the caption is unknown.
  int GridColumnWidth(const std::string& caption) const;
  /// Table-window column width by style word, or -1 when the word is unknown.
  int StyleWordWidth(const std::string& word) const;

  /// The words of the current column style with their widths (-1 for unknown words).
  /// A style number outside the list, or an empty entry, gives no words.
  struct StyleWord {
    std::string word;
    int width = -1;
  };
  std::vector<StyleWord> SplitCurrentColumnStyle() const;

  /// The data type list of a database kind (empty outside the slots).
  const std::vector<std::string>& DataTypes(int databaseKind) const;
  /// The items of drop-down slot `column` + 1 (editor grid column `column`, 0-based);
  /// the data type column 3 offers DataTypes(kind) instead.
  const std::vector<std::string>& DropDownItems(int column) const;
  /// True when editor grid column `column` (0-based) gets a drop-down list.
  bool HasDropDown(int column) const;
  /// The yes-text of a yes/no grid column (item 2 of its list), or "" when it has none.
  std::string YesText(int column) const;
  /// The no-text of a yes/no grid column (item 1 of its list), or "" when it has none.
  std::string NoText(int column) const;

  /// The colours of dialogBkColor and dialogTextColor.
  Rgb DialogBackground() const { return ParseColour(dialogBkColor); }
  Rgb DialogText() const { return ParseColour(dialogTextColor); }

  /// "RRGGBB" to a colour; any character that is not a hex digit counts as 0.
  static Rgb ParseColour(std::string_view text);
};

}  // namespace tablora
