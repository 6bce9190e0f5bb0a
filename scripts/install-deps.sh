#!/usr/bin/env bash
# Installs every Debian package Tablora needs to build, run and test.
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config ccache
  libboost-regex-dev nlohmann-json3-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libwxgtk3.2-dev
  unixodbc-dev libsqliteodbc odbc-mdbtools tdsodbc mdbtools-dev libglib2.0-dev
  odbc-postgresql odbc-mariadb
  # tests only: throw-away servers on loopback (scripts/db-servers.sh)
  postgresql mariadb-server
  xvfb xauth fonts-wqy-microhei imagemagick xdotool desktop-file-utils libx11-dev
  libcairo2-dev libpng-dev libpango1.0-dev libxlsxwriter-dev poppler-utils time
  # tests only: the data dictionary is read back by a browser, a Markdown renderer and a
  # workbook reader that are not Tablora's own writers
  chromium chromium-driver cmark-gfm python3-openpyxl
  clang libclang-rt-14-dev
  default-jdk-headless libxerial-sqlite-jdbc-java
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}"
fi
