#!/usr/bin/env bash
# Runs a command with throw-away PostgreSQL and MariaDB servers on loopback
# (scripts/db-servers.sh), their connection strings in TABLORA_PG_CONNECT and
# TABLORA_MYSQL_CONNECT, and stops them afterwards whatever the command did. Servers already
# named in those variables are used as they are.
set -euo pipefail
if [ -n "${TABLORA_PG_CONNECT:-}" ] && [ -n "${TABLORA_MYSQL_CONNECT:-}" ]; then
  exec "$@"
fi
here=$(cd "$(dirname "$0")" && pwd)
dir=$(mktemp -d "${TMPDIR:-/tmp}/tablora-db.XXXXXX")
trap '"$here/db-servers.sh" stop "$dir"' EXIT
"$here/db-servers.sh" start "$dir" >/dev/null
set -a
# shellcheck disable=SC1091
. "$dir/servers.env"
set +a
"$@"
