#!/usr/bin/env bash
# Redraws the 16x16 toolbar icons with ImageMagick. Run from this folder.
set -euo pipefail
c() { convert -size 16x16 xc:none "$@"; }
# New table: a white sheet with a grid of rows and a blue title bar, green plus.
c -fill white -stroke '#404040' -draw 'rectangle 1,2 12,14' \
  -fill '#3060c0' -stroke none -draw 'rectangle 2,3 11,5' \
  -stroke '#808080' -draw 'line 2,8 11,8' -draw 'line 2,11 11,11' -draw 'line 6,6 6,13' \
  -stroke '#109010' -strokewidth 2 -draw 'line 13,9 13,15' -draw 'line 10,12 15,12' new_table.png
# Open: a yellow folder with its flap lifted.
c -fill '#e0b030' -stroke '#806010' -draw 'polygon 1,4 5,4 6,6 13,6 13,14 1,14' \
  -fill '#f8d860' -draw 'polygon 3,8 15,8 13,14 1,14' open.png
# Save: a blue floppy disk with a white label and a shutter.
c -fill '#3050a0' -stroke '#102050' -draw 'rectangle 1,1 14,14' \
  -fill white -stroke none -draw 'rectangle 3,2 12,7' \
  -fill '#c0c0c0' -draw 'rectangle 4,10 11,14' -fill '#3050a0' -draw 'rectangle 9,11 10,13' save.png
# Print: a grey printer with a paper sheet.
c -fill white -stroke '#404040' -draw 'rectangle 4,1 11,6' \
  -fill '#b0b0b0' -draw 'rectangle 1,6 14,11' \
  -fill white -draw 'rectangle 4,10 11,14' -stroke none -fill '#20c020' -draw 'point 12,8' print.png
# Work box: a window with a left pane holding a small tree.
c -fill white -stroke '#404040' -draw 'rectangle 1,1 14,14' \
  -fill '#3060c0' -stroke none -draw 'rectangle 2,2 13,3' \
  -fill '#d8e4f8' -draw 'rectangle 2,4 6,13' -stroke '#404040' -draw 'line 6,4 6,13' \
  -stroke '#303030' -draw 'line 3,6 3,11' -draw 'line 3,8 5,8' -draw 'line 3,11 5,11' work_box.png
# Text colour: a red letter A over a red bar.
c -fill '#202020' -stroke '#202020' -strokewidth 1.5 -draw 'line 3,11 8,1' -draw 'line 8,1 13,11' \
  -draw 'line 5,7 11,7' -stroke none -fill '#e02020' -draw 'rectangle 1,13 14,15' text_colour.png
# Background colour: a paint bucket pouring over a green bar.
c -fill '#c0c0c0' -stroke '#404040' -draw 'polygon 2,6 7,1 12,6 7,11' \
  -fill '#20b040' -stroke none -draw 'rectangle 12,7 13,10' -draw 'rectangle 1,13 14,15' back_colour.png
# About: a blue circle with a white "i".
c -fill '#2060d0' -stroke '#103070' -draw 'circle 7.5,7.5 7.5,0.5' \
  -fill white -stroke none -draw 'rectangle 7,3 8,4' -draw 'rectangle 7,6 8,12' about.png
# Execute (the query window's "执行"): a green arrow head pointing right.
c -fill '#20b040' -stroke '#106020' -draw 'polygon 4,2 13,8 4,14' execute.png
# Quit (the query window's "退出"): an open door with a red arrow leaving it.
c -fill '#f0f0f0' -stroke '#404040' -draw 'rectangle 1,1 9,14' \
  -fill '#c08040' -stroke '#604020' -draw 'polygon 2,2 6,4 6,15 2,13' \
  -stroke '#d02020' -strokewidth 2 -draw 'line 8,8 14,8' -draw 'line 12,5 15,8' \
  -draw 'line 12,11 15,8' quit.png
# Relationship lines: two table windows joined by a bent line.
c -fill white -stroke '#404040' -draw 'rectangle 0,1 6,6' -draw 'rectangle 9,9 15,14' \
  -fill '#3060c0' -stroke none -draw 'rectangle 1,2 5,2' -draw 'rectangle 10,10 14,10' \
  -stroke '#0066cc' -draw 'line 7,4 11,4' -draw 'line 11,4 11,8' relations.png
# Undo: a blue arrow curving back to the left.
c -fill none -stroke '#2050b0' -strokewidth 2 -draw 'arc 3,4 14,14 180,360' \
  -fill '#2050b0' -stroke none -draw 'polygon 0,9 6,9 3,13' undo.png
# Redo: the same arrow turning to the right.
c -fill none -stroke '#2050b0' -strokewidth 2 -draw 'arc 1,4 12,14 180,360' \
  -fill '#2050b0' -stroke none -draw 'polygon 9,9 15,9 12,13' redo.png

# Dialog buttons, at the size GTK gives button images.
# OK ("确定"): a green check mark.
c -fill none -stroke '#188a28' -strokewidth 2.5 -draw 'polyline 2,8 6,12 14,3' ok.png
# Cancel and quit ("取消", "退出"): a red cross.
c -fill none -stroke '#c82020' -strokewidth 2.5 -draw 'line 3,3 12,12' -draw 'line 12,3 3,12' \
  cancel.png
# Direct connection ("ADO连接"): a blue database drum with a green arrow into it.
c -fill '#5080d0' -stroke '#203870' -draw 'rectangle 5,3 14,13' -draw 'ellipse 9.5,13 4.5,2 0,180' \
  -fill '#90b0e8' -draw 'ellipse 9.5,3 4.5,2 0,360' \
  -stroke '#108020' -strokewidth 2 -draw 'line 0,8 6,8' -fill '#108020' -stroke none \
  -draw 'polygon 5,5 9,8 5,11' connect.png
# ODBC connection ("ODBC连接"): the drum with a plug on a cable.
c -fill '#5080d0' -stroke '#203870' -draw 'rectangle 6,3 14,13' -draw 'ellipse 10,13 4,2 0,180' \
  -fill '#90b0e8' -draw 'ellipse 10,3 4,2 0,360' \
  -fill '#606060' -stroke '#303030' -draw 'rectangle 1,6 4,10' \
  -stroke '#303030' -draw 'line 4,7 6,7' -draw 'line 4,9 6,9' -draw 'line 1,8 0,8' odbc_connect.png
# Test the connection ("测试连接"): a yellow lightning bolt.
c -fill '#f0c020' -stroke '#806000' -draw 'polygon 9,0 3,9 7,9 5,15 13,6 9,6 11,0' \
  test_connection.png
# Choose a colour ("选择颜色"): a palette with three colour spots.
c -fill '#e8d0a0' -stroke '#806030' -draw 'ellipse 8,8 7,6 0,360' \
  -fill white -stroke '#806030' -draw 'circle 10,11 11,11' \
  -stroke none -fill '#e02020' -draw 'circle 5,6 6.4,6' -fill '#2060e0' -draw 'circle 9,4.5 10.4,4.5' \
  -fill '#20b040' -draw 'circle 12,7.5 13.4,7.5' choose_colour.png
