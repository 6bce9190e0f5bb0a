#pragma once

#include <string>
#include <vector>

#include "gen/code_names.h"
#include "gen/generation_options.h"
#include "gen/type_mapper.h"
#include "model/table_design.h"

/// Pieces of text shared by the C, Java and C++ generators. All texts are code page 936.
namespace tablora::gen_text {

/// The comment written after a member: "// " + display name + ":" when the display name
/// is set, then the note (with "// " before it when nothing was written yet). With
/// `markNamelessColumns` a column without display and actual name still gets "// :".
std::string ColumnComment(const ColumnDesign& column, bool markNamelessColumns = false);

/// `comment` (empty, or beginning with "// ") with the original name of a member or type
/// that had to change (CodeNames::OriginalNote) put first: "// [Unit Price] " + the rest.
std::string WithOriginalName(const std::string& comment, const std::string& originalNote);

/// The comment line above a C structure or C++ class, without its line end: "// " + display
/// name + ":" and the table comment (after " " or "// "); empty when both are empty.
std::string TableHeader(const TableDesign& table);

/// True when the design type begins with "datetime" in any case ("smalldatetime" does not).
bool IsDateTimeType(const std::string& typeName);

/// The tables a generator works on: every table for index -1, otherwise the one at
/// `index`; nothing for an index outside the list. Tables without an actual name (a table
/// still being typed) are left out.
std::vector<const TableDesign*> SelectTables(const std::vector<TableDesign>& tables, int index);

/// The names the generated types of the design's tables go by in `language` (and their
/// Java files and proposed file names), one per table of `tables` (empty for a nameless
/// one): the actual name as an identifier (CodeNames::TypeName); where two tables share
/// that identifier (ASCII case ignored: "Order Details" and "Order_Details" do too),
/// owner + "_" + name ("dbo" for none) as an identifier, and "_2", "_3", ... after that
/// when it is taken as well. A table keeps its name whether it is generated alone or with
/// the others.
std::vector<std::string> TypeNames(const std::vector<TableDesign>& tables, CodeLanguage language);

/// True for a column the generators write: computed columns are left out (their values
/// are the server's to compute).
bool IsGenerated(const ColumnDesign& column);

/// A file name made from a table name that stays inside its folder: path separators and
/// ".." become "_".
std::string SafeFileName(const std::string& name);

/// Appends one table's declaration to a header file's text.
using AppendTableFn = void (*)(std::string& out, const TableDesign& table, const TypeMapper& types,
                               const GenerationOptions& options);

/// The text of a header file holding one declaration per selected table, in list order.
std::string BuildHeaderFile(const std::vector<TableDesign>& tables, int index,
                            const TypeMapper& types, const GenerationOptions& options,
                            CodeLanguage language, AppendTableFn append);

}  // namespace tablora::gen_text
