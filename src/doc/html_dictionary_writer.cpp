#include "doc/html_dictionary_writer.h"

#include <cstdlib>

#include "base/markup_text.h"

namespace tablora {

namespace {

constexpr std::string_view kStyle = u8R"(<style>
body{margin:0;font:14px/1.5 "WenQuanYi Micro Hei","Microsoft YaHei","PingFang SC","Noto Sans CJK SC",sans-serif;color:#222;background:#fff}
header{position:sticky;top:0;z-index:2;background:#f4f7fb;border-bottom:1px solid #c8d3e0;padding:8px 24px}
header h1{display:inline-block;margin:0 24px 0 0;font-size:22px}
#search{width:22em;max-width:60vw;padding:4px 8px;font:inherit;border:1px solid #9fb3c8;border-radius:4px}
#found,.summary{color:#555;margin-left:12px}
nav,#diagram,main{padding:0 24px}
nav ul{list-style:none;padding-left:0}
nav>ul{columns:3 18em}
nav li.group{break-inside:avoid;margin-bottom:8px}
nav li.group>span{font-weight:bold}
nav li.group ul{padding-left:1.2em}
a{color:#1a5fb4;text-decoration:none}
a:hover{text-decoration:underline}
.picture{overflow:auto;border:1px solid #c8d3e0;max-height:80vh}
.picture svg{display:block;max-width:100%;height:auto;cursor:zoom-in}
.picture.full svg{max-width:none;cursor:zoom-out}
h2.group{margin:32px 0 0;padding-bottom:4px;border-bottom:2px solid #1a5fb4;font-size:20px}
section.table{margin:20px 0 28px}
section.table h3{margin:0 0 4px;font-size:17px}
section.table h3 small{color:#555;font-weight:normal;margin-left:8px}
dl{margin:0 0 8px;display:grid;grid-template-columns:max-content auto;gap:0 12px}
dt{color:#555}dd{margin:0;white-space:pre-wrap}
table{border-collapse:collapse;width:100%}
th,td{border:1px solid #c8d3e0;padding:3px 6px;text-align:left;vertical-align:top}
th{background:#dde8f4}
tbody tr:nth-child(even){background:#f7f9fc}
td.n{text-align:right;color:#555;width:2.5em}
#none{padding:0 24px;color:#a00}
@media print{
header{position:static;background:none;border:0;padding:0}
#search,#found,#none{display:none}
nav,#diagram,main{padding:0}
nav>ul{columns:2}
section.table{break-inside:avoid-page}
h2,h3{break-after:avoid}
thead{display:table-header-group}
tr{break-inside:avoid}
.picture{overflow:visible;max-height:none;border:0}
.picture svg{max-width:100%}
a{color:inherit}
body{font-size:11px}
}
</style>
)";

// Filters tables and columns as one types: a table whose names, comment, group or owner
// hold the text shows all its columns, another table only the columns that hold it. Each value
// is matched on its own: the labels, the row numbers and the joins between values never match.
constexpr std::string_view kScript = u8R"(<script>
(function(){
var box=document.getElementById('search'),found=document.getElementById('found'),none=document.getElementById('none');
var items={};
document.querySelectorAll('nav li[data-table]').forEach(function(li){items[li.getAttribute('data-table')]=li;});
var navGroups=[].slice.call(document.querySelectorAll('nav li.group'));
var bodyGroups=[].slice.call(document.querySelectorAll('main section.group'));
var tables=[].slice.call(document.querySelectorAll('section.table')).map(function(s){
var rows=[].slice.call(s.querySelectorAll('tbody tr'));
return {s:s,li:items[s.id],head:words([s.querySelector('.head h3').firstChild].concat(
[].slice.call(s.querySelectorAll('.head small,.head dd')))),rows:rows,
texts:rows.map(function(r){return words([].slice.call(r.cells,1));})};});
function words(nodes){return nodes.map(function(e){return e.textContent.toLowerCase();}).join('\n');}
function show(e,on){if(e&&e.hidden===on)e.hidden=!on;}
function apply(){
var q=box.value.trim().toLowerCase(),count=0;
tables.forEach(function(t){
var all=!q||t.head.indexOf(q)>=0,any=all;
for(var i=0;i<t.rows.length;i++){var hit=all||t.texts[i].indexOf(q)>=0;show(t.rows[i],hit);if(hit)any=true;}
show(t.s,any);show(t.li,any);if(any)count++;});
navGroups.forEach(function(g){show(g,!!g.querySelector('li[data-table]:not([hidden])'));});
bodyGroups.forEach(function(g){show(g,!!g.querySelector('section.table:not([hidden])'));});
found.textContent=q?count+' 个表':'';
show(none,count===0);}
var timer=0;
box.addEventListener('input',function(){clearTimeout(timer);timer=setTimeout(apply,tables.length>500?120:0);});
document.querySelectorAll('.picture').forEach(function(p){p.addEventListener('click',function(){p.classList.toggle('full');});});
})();
</script>
)";

/// The value of attribute `name` in the start tag `tag`, or empty.
std::string_view Attribute(std::string_view tag, std::string_view name) {
  for (std::size_t at = tag.find(name); at != std::string_view::npos; at = tag.find(name, at + 1)) {
    const char before = at > 0 ? tag[at - 1] : ' ';
    if (before != ' ' && before != '\t' && before != '\n' && before != '\r') continue;
    std::size_t i = at + name.size();
    while (i < tag.size() && tag[i] == ' ') ++i;
    if (i >= tag.size() || tag[i] != '=') continue;
    ++i;
    while (i < tag.size() && tag[i] == ' ') ++i;
    if (i >= tag.size() || (tag[i] != '"' && tag[i] != '\'')) continue;
    const std::size_t end = tag.find(tag[i], i + 1);
    if (end == std::string_view::npos) return {};
    return tag.substr(i + 1, end - i - 1);
  }
  return {};
}

}  // namespace

std::string HtmlDictionaryWriter::Escape(std::string_view text) { return MarkupText(text); }

std::string HtmlDictionaryWriter::InlineSvg(std::string_view svg) {
  std::size_t start = svg.find("<svg");
  while (start != std::string_view::npos && start + 4 < svg.size() &&
         svg[start + 4] != ' ' && svg[start + 4] != '>' && svg[start + 4] != '\n' &&
         svg[start + 4] != '\r' && svg[start + 4] != '\t') {
    start = svg.find("<svg", start + 4);
  }
  if (start == std::string_view::npos) return {};
  svg.remove_prefix(start);
  const std::size_t tagEnd = svg.find('>');
  if (tagEnd == std::string_view::npos) return {};
  std::string out(svg);
  const std::string_view tag = svg.substr(0, tagEnd);
  if (Attribute(tag, "viewBox").empty()) {
    const double width = std::atof(std::string(Attribute(tag, "width")).c_str());
    const double height = std::atof(std::string(Attribute(tag, "height")).c_str());
    if (width > 0 && height > 0) {
      char box[96];
      std::snprintf(box, sizeof box, " viewBox=\"0 0 %g %g\"", width, height);
      out.insert(4, box);
    }
  }
  return out;
}

void HtmlDictionaryWriter::Write(const DataDictionary& dictionary, std::string_view svg,
                                 TextOutput& out) {
  const std::string title = Escape(dictionary.title());
  out << "<!DOCTYPE html>\n<html lang=\"zh-CN\">\n<head>\n<meta charset=\"utf-8\">\n"
      << "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
      << "<meta name=\"generator\" content=\"Tablora\">\n<title>" << title << "</title>\n"
      << kStyle << "</head>\n<body>\n<header><h1>" << title << "</h1>"
      << u8"<input id=\"search\" type=\"search\" placeholder=\"搜索表或列\" autocomplete=\"off\">"
      << "<span id=\"found\"></span><span class=\"summary\">"
      << std::to_string(dictionary.tables().size()) << u8" 个表, "
      << std::to_string(dictionary.groups().size()) << u8" 个分组, "
      << std::to_string(dictionary.totalColumns()) << u8" 列</span></header>\n";

  // The contents: groups, then their tables.
  out << u8"<nav id=\"contents\"><h2>目录</h2>\n<ul>\n";
  for (const DataDictionary::Group& group : dictionary.groups()) {
    out << "<li class=\"group\"><span>" << Escape(group.name) << "</span><ul>\n";
    for (const int i : group.tables) {
      const DataDictionary::Table& t = dictionary.tables()[i];
      out << "<li data-table=\"" << t.anchor << "\"><a href=\"#" << t.anchor << "\">"
          << Escape(t.Heading()) << "</a></li>\n";
    }
    out << "</ul></li>\n";
  }
  out << "</ul></nav>\n";

  const std::string picture = InlineSvg(svg);
  if (!picture.empty()) {
    out << u8"<section id=\"diagram\"><h2>关系图</h2><div class=\"picture\">\n" << picture
        << "\n</div></section>\n";
  }

  out << "<main>\n";
  const auto& captions = dictionary.captions();
  for (const DataDictionary::Group& group : dictionary.groups()) {
    out << "<section class=\"group\"><h2 class=\"group\">" << Escape(group.name) << "</h2>\n";
    for (const int i : group.tables) {
      const DataDictionary::Table& t = dictionary.tables()[i];
      out << "<section class=\"table\" id=\"" << t.anchor << "\">\n<div class=\"head\"><h3>"
          << Escape(t.displayName);
      if (t.displayName != t.actualName) out << "<small>" << Escape(t.actualName) << "</small>";
      out << "</h3>\n<dl>";
      if (!t.comment.empty()) out << u8"<dt>注释</dt><dd>" << Escape(t.comment) << "</dd>";
      out << u8"<dt>分组</dt><dd>" << Escape(t.group) << "</dd>";
      if (!t.owner.empty()) out << u8"<dt>所有者</dt><dd>" << Escape(t.owner) << "</dd>";
      out << "</dl></div>\n<table>\n<thead><tr>";
      for (const std::string& caption : captions) out << "<th>" << Escape(caption) << "</th>";
      out << "</tr></thead>\n<tbody>\n";
      const int columns = dictionary.ColumnCount(i);
      for (int c = 0; c < columns; ++c) {
        const DataDictionary::Row row = dictionary.ColumnRow(i, c);
        out << "<tr><td class=\"n\">" << row.cells[0] << "</td>";
        for (int cell = 1; cell < DataDictionary::kCellCount; ++cell) {
          out << "<td>";
          if (cell == DataDictionary::kForeignKey && row.reference >= 0) {
            out << "<a href=\"#" << dictionary.tables()[row.reference].anchor << "\">"
                << Escape(row.cells[cell]) << "</a>";
          } else {
            out << Escape(row.cells[cell]);
          }
          out << "</td>";
        }
        out << "</tr>\n";
      }
      out << "</tbody>\n</table>\n</section>\n";
    }
    out << "</section>\n";
  }
  out << u8"</main>\n<p id=\"none\" hidden>没有找到匹配的表或列</p>\n" << kScript
      << "</body>\n</html>\n";
}

}  // namespace tablora
