#!/usr/bin/env bash
# Starts the window program under a virtual display and saves screenshots for review:
# the main window, each menu open (with and without a document), each work box page and
# the about box. Usage: tests/gui/screenshots.sh [BUILD_DIR]  (default: build)
# The pictures land in BUILD_DIR/screenshots/.
set -euo pipefail
cd "$(dirname "$0")/../.."
source_dir=$(pwd)
build_dir=$(cd "${1:-build}" && pwd)
out="$build_dir/screenshots"
mkdir -p "$out"
rm -f "$out"/*.png

if [ -z "${TABLORA_SCREENSHOT_DISPLAY_READY:-}" ]; then
  export TABLORA_SCREENSHOT_DISPLAY_READY=1
  exec xvfb-run -a -s "-screen 0 1280x900x24" "$0" "$build_dir"
fi

home=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$home"' EXIT
cd "$build_dir"
HOME="$home" ./tablora &
pid=$!
# shellcheck source=scripts/lib/main_window.sh
source "$source_dir/scripts/lib/main_window.sh"
wait_for_main_window
eval "$(xdotool getwindowgeometry --shell "$win")"
# Without a window manager the keyboard follows the pointer.
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2))
xdotool windowfocus "$win" 2>/dev/null || true
sleep 0.8

shot() { sleep "${2:-0.4}"; import -window root "$out/$1.png"; echo "$out/$1.png"; }
key() { xdotool key --clearmodifiers "$@"; }
# The menu titles, left to right, by their mnemonic letters.
open_menus() {
  local prefix=$1; shift
  local i=1
  for letter in "$@"; do
    key "alt+$letter"
    shot "${prefix}_menu_${i}_${letter}"
    key Escape
    sleep 0.2
    i=$((i + 1))
  done
}

shot main_window 0.5
open_menus document f v d s w h
# The generate menu's submenus.
key alt+d Down Down Down Down Right
shot document_menu_3_d_sql
key Escape Escape Escape
sleep 0.2

# Work box pages: the tabs sit at the bottom of the bar.
xdotool mousemove $((X + 120)) $((Y + HEIGHT - 33)) click 1
shot work_box_group_page
xdotool mousemove $((X + 40)) $((Y + HEIGHT - 33)) click 1
shot work_box_table_page
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2))
key ctrl+l
shot work_box_hidden
key ctrl+l
sleep 0.3

# The about box: first item of the help menu.
key alt+h Return
shot about_box 1.0
key Escape
sleep 0.3

# The conversion tools of 产生 > 其他功能: the format conversion with its sample converted,
# then structure code typed into the structure dialog and the table it made.
# dialog_at NAME X Y: the pointer to (X, Y) of the dialog titled NAME (negative: from the
# right or bottom edge), where keys then go.
dialog_at() {
  local id="" w
  for w in $(xdotool search --onlyvisible --class '^tablora$' 2>/dev/null); do
    [ "$(xdotool getwindowname "$w")" = "$1" ] && id=$w
  done
  [ -n "$id" ] || { echo "no dialog $1" >&2; return 1; }
  eval "$(xdotool getwindowgeometry --shell "$id")"
  local x=$2 y=$3
  [ "$x" -lt 0 ] && x=$((WIDTH + x))
  [ "$y" -lt 0 ] && y=$((HEIGHT + y))
  xdotool mousemove $((X + x)) $((Y + y))
  sleep 0.2
}
key alt+d o a
sleep 1.0
dialog_at "格式转换" -150 -25 && xdotool click 1
shot format_conversion 0.6
key Escape
sleep 0.4
key alt+d o b
sleep 1.0
dialog_at "C++结构转成表结构设置" 200 150 && xdotool click 1
for line in 'typedef struct tagPoint {' '    int x;' '    int y;' '    char label[20];' \
            '    unsigned long id;' '} POINT;'; do
  xdotool type --delay 5 "$line"
  key Return
done
shot struct_to_table 0.4
dialog_at "C++结构转成表结构设置" -150 -25 && xdotool click 1
# The first table of an empty design asks for the database kind.
shot struct_to_table_kind 1.0
key Return
shot struct_to_table_done 1.0
eval "$(xdotool getwindowgeometry --shell "$win")"
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2))

# A saved design opened from the command line: the design window shows its tables.
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
HOME="$home" ./tablora "$source_dir/tests/data/writer_sample.sql" &
pid=$!
sleep 2
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2))
shot opened_script 0.5

# No document open: the short menus.
key alt+f
sleep 0.3
key c
shot no_document 0.5
open_menus empty f v h

# The design surface: about 30 tables of varied sizes, in two display styles.
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
design="$home/thirty.sql"
python3 - "$design" <<'PY'
import sys
names = ["用户", "订单", "订单明细", "产品", "类别", "供应商", "客户", "员工", "地区", "运货商"]
out = []
for t in range(30):
    cols = 2 + (t * 7) % 11
    lines = []
    for c in range(cols):
        kind = ["[int] NOT NULL", "[varchar] (50) NULL", "[decimal] (10,2) NULL",
                "[datetime] NULL"][c % 4]
        lines.append(f"\t[col{c}] {kind}")
    out.append(f"CREATE TABLE [dbo].[t_{names[t % 10]}{t}] (\r\n" + " ,\r\n".join(lines) +
               "\r\n) ON [PRIMARY]\r\nGO\r\n\r\n")
open(sys.argv[1], "wb").write("".join(out).encode("gbk"))
PY
HOME="$home" ./tablora "$design" &
pid=$!
sleep 2.5
xdotool mousemove $((X + 5)) $((Y + HEIGHT - 5))
shot design_thirty_tables 0.5
# The menu of a table window, then its editor sheet's three pages.
cx=$((X + 330)); cy=$((Y + 140))
xdotool mousemove $cx $cy click 3
shot table_window_menu 0.5
key Down Return
sleep 1.5
# The sheet is the 720 x 480 window of the program (no window manager: no title to find).
sheet=""
for id in $(xdotool search --class '^tablora$' 2>/dev/null || true); do
  eval "$(xdotool getwindowgeometry --shell "$id" | sed 's/^/S/')"
  if [ "$SWIDTH" -eq 720 ] && [ "$SHEIGHT" -eq 480 ]; then sheet=$id; fi
done
if [ -n "$sheet" ]; then
  eval "$(xdotool getwindowgeometry --shell "$sheet" | sed 's/^/S/')"
  # The tabs "表名", "设计", "查看SQL" along the top.
  for tab in names:40 design:100 sql:170; do
    xdotool mousemove $((SX + ${tab#*:})) $((SY + 25)) click 1
    shot "table_editor_${tab%%:*}" 0.6
  done
  # The design page's drop-down: the first column's type cell, opened by its arrow.
  xdotool mousemove $((SX + 100)) $((SY + 25)) click 1
  sleep 0.6
  xdotool mousemove $((SX + 297)) $((SY + 77)) click --repeat 2 --delay 60 1
  sleep 0.6
  xdotool mousemove $((SX + 364)) $((SY + 77)) click 1
  shot table_editor_drop_down 0.6
  key Escape Escape
  sleep 0.3
  key Escape
  sleep 0.5
fi
xdotool mousemove $((X + 5)) $((Y + HEIGHT - 5))
# The display-style sheet: 显示(&S) > 显示属性(&F), both pages.
key alt+s
sleep 0.4
key f
sleep 1
shot display_style_sheet 0.5
for id in $(xdotool search --class '^tablora$' 2>/dev/null || true); do
  eval "$(xdotool getwindowgeometry --shell "$id" | sed 's/^/S/')"
  if [ "$SWIDTH" -eq 520 ] && [ "$SHEIGHT" -eq 460 ]; then
    xdotool mousemove $((SX + 140)) $((SY + 25)) click 1
  fi
done
shot display_style_widths 0.5
key Escape
sleep 0.5
# The print preview: 文件(&F) > 打印预览(&V).
key alt+f v
shot print_preview 1.5
key Escape alt+F4
sleep 0.5
# The same design in another style: a copy of the program folder with other settings.
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
prog="$home/prog"
mkdir -p "$prog"
cp -r ./tablora ./setting ./icons ./help "$prog/" 2>/dev/null || cp -r ./tablora ./setting "$prog/"
sed -i 's/^DefaultTypeHead=.*/DefaultTypeHead=5/; s/^DefaultType=.*/DefaultType=5/' "$prog/setting/Tablora.ini"
HOME="$home" "$prog/tablora" "$design" &
pid=$!
sleep 2.5
xdotool mousemove $((X + 5)) $((Y + HEIGHT - 5))
shot design_thirty_tables_other_style 0.5
# The exported picture of the design, as a PDF page.
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
HOME="$home" ./tablora --export "$home/design.pdf" "$design"
pdftoppm -png -r 72 -singlefile "$home/design.pdf" "$out/exported_pdf_page"
echo "$out/exported_pdf_page.png"

# A procedure script: a click on the first procedure in the table tree opens the procedure
# view with its text coloured; then the view's popup.
HOME="$home" ./tablora "$source_dir/tests/data/procedures_sample.sql" &
pid=$!
sleep 2
xdotool mousemove $((X + 36)) $((Y + 142)) click 1
sleep 0.5
xdotool mousemove $((X + 110)) $((Y + 163)) click 1
shot procedure_view 0.8
xdotool mousemove $((X + 500)) $((Y + 400)) click 3
shot procedure_view_popup 0.5
key Escape
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true

# The Northwind file opened from the command line (OK in its password dialog), then the
# first table window's menu: "选择前10条记录" (its tenth entry) opens the query window.
nwind="$source_dir/../shared/fixtures/nwind.mdb"
[ -f "$nwind" ] || nwind="$source_dir/../../shared/fixtures/nwind.mdb"
if [ -f "$nwind" ]; then
  HOME="$home" ./tablora "$nwind" &
  pid=$!
  sleep 2
  # The password dialog sits over the main window's centre; its OK button below the middle.
  xdotool mousemove $((X + WIDTH / 2 - 46)) $((Y + HEIGHT / 2 + 72)) click 1
  sleep 4
  xdotool mousemove $((X + 330)) $((Y + 140)) click 3
  sleep 0.8
  for _ in $(seq 1 10); do key Down; done
  key Return
  shot query_window_northwind 2
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
fi
