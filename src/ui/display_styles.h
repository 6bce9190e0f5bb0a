#pragma once

#include <string>
#include <vector>

#include "base/settings.h"
#include "model/table_design.h"

namespace tablora {

/// What a table window shows: the title text of the current title style and one cell text
/// per keyword of the current field style. Texts are code page 936.
class DisplayStyles {
 public:
  /// The title text of the style named `style` (any other name gives "").
  static std::string TitleText(const std::string& style, const TableDesign& table);
  /// The cell text of `keyword` for one column (an unknown keyword gives "").
  static std::string FieldText(const std::string& keyword, const ColumnDesign& column);
  /// The field keywords, for resolving a keyword once for many cells.
  enum class Field {
    kUnknown,
    kDisplayName,
    kActualName,
    kDisplayActual,
    kActualDisplay,
    kType,
    kSize,
    kTypeSize,
    kNullable,
    kDefault,
    kNote,
    kIdentity,
    kPrimaryKey,
    kForeignKey,
    kKeys,
  };
  static Field FieldOf(const std::string& keyword);
  static std::string FieldText(Field field, const ColumnDesign& column);

  /// The 1-based index of the style in use: `index` when it lies within a list of `count`
  /// styles, else the first style (0 when the list is empty).
  static int EffectiveIndex(int index, std::size_t count);
  /// The name of the current title style ("" when there is none).
  static std::string CurrentTitleStyle(const Settings& settings);
  /// The title of `table` under the current title style.
  static std::string CurrentTitleText(const Settings& settings, const TableDesign& table);
  /// The keywords of the current field style cut at single blanks, with their widths
  /// (-1 when the width map has none). An empty style gives no keywords.
  static std::vector<Settings::StyleWord> CurrentFieldWords(const Settings& settings);

  /// The outcome of the display-style sheet: chosen 0-based list positions, -1 where the
  /// user changed nothing; "列宽适应内容" 1 on, 0 off, -1 unchanged.
  struct Choice {
    int title = -1;
    int field = -1;
    int fitWidths = -1;
  };
  /// Makes the choice current and writes each changed value ("DefaultCol" keys
  /// "DefaultTypeHead", "DefaultType" and "FitColWidth") to the settings file. False when
  /// the file could not be written (the choice still holds for this run).
  static bool ApplyChoice(Settings& settings, const Choice& choice);
};

}  // namespace tablora
