#!/usr/bin/env bash
# Starts (or stops) throw-away PostgreSQL and MariaDB servers on loopback for a test run.
#   scripts/db-servers.sh start DIR   data, sockets and logs under DIR; prints the lines of
#                                     DIR/servers.env (export them before running the tests)
#   scripts/db-servers.sh stop DIR    stops both and removes DIR
# The servers listen on 127.0.0.1 only, on the ports TABLORA_PG_PORT (55432) and
# TABLORA_MYSQL_PORT (53306), with a database "tablora" and a user "tablora" (password
# "tablora") that the ODBC drivers log in as over TCP. The user may create databases of its
# own (on MariaDB those whose names start with "tablora"), so a test can have one to itself.
set -euo pipefail
action=${1:?start or stop}
dir=${2:?folder for the servers}
pg_port=${TABLORA_PG_PORT:-55432}
my_port=${TABLORA_MYSQL_PORT:-53306}
pg_bin=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)

as_postgres() {
  if [ "$(id -u)" -eq 0 ]; then runuser -u postgres -- "$@"; else "$@"; fi
}

stop() {
  if [ -f "$dir/pg/PG_VERSION" ]; then
    as_postgres "$pg_bin/pg_ctl" -D "$dir/pg" -m immediate stop >/dev/null 2>&1 || true
  fi
  if [ -f "$dir/my/pid" ]; then
    kill "$(cat "$dir/my/pid")" 2>/dev/null || true
    for _ in $(seq 50); do [ -f "$dir/my/pid" ] || break; sleep 0.1; done
  fi
  rm -rf "$dir"
}

if [ "$action" = stop ]; then
  stop
  exit 0
fi
[ "$action" = start ] || { echo "db-servers.sh: start or stop, not $action" >&2; exit 2; }
[ -n "$pg_bin" ] || { echo "db-servers.sh: PostgreSQL is not installed" >&2; exit 1; }
command -v mariadbd >/dev/null || { echo "db-servers.sh: MariaDB is not installed" >&2; exit 1; }
stop
mkdir -p "$dir/pg" "$dir/my"
dir=$(cd "$dir" && pwd)
trap 'echo "db-servers.sh: the servers did not start; logs in $dir" >&2' ERR

# PostgreSQL: its own user owns the data folder, the socket folder and the log.
if [ "$(id -u)" -eq 0 ]; then chown postgres "$dir/pg"; chmod 755 "$dir"; fi
as_postgres "$pg_bin/initdb" -D "$dir/pg" -E UTF8 --locale=C.UTF-8 -U postgres \
  --auth-local=trust --auth-host=scram-sha-256 >/dev/null
as_postgres "$pg_bin/pg_ctl" -D "$dir/pg" -l "$dir/pg/server.log" -w \
  -o "-p $pg_port -k $dir/pg -c listen_addresses=127.0.0.1 -c fsync=off" start >/dev/null
as_postgres "$pg_bin/psql" -h "$dir/pg" -p "$pg_port" -U postgres -q -v ON_ERROR_STOP=1 \
  -c "CREATE USER tablora PASSWORD 'tablora' CREATEDB" -c "CREATE DATABASE tablora OWNER tablora"

# MariaDB: a server of its own, root only through the socket.
mariadb-install-db --no-defaults --user="$(id -un)" --datadir="$dir/my" \
  --auth-root-authentication-method=normal >"$dir/my/install.log" 2>&1
mariadbd --no-defaults --user="$(id -un)" --datadir="$dir/my" --port="$my_port" \
  --bind-address=127.0.0.1 --socket="$dir/my/s.sock" --pid-file="$dir/my/pid" \
  --character-set-server=utf8mb4 --skip-log-bin >"$dir/my/server.log" 2>&1 &
for _ in $(seq 100); do
  mariadb --no-defaults --socket="$dir/my/s.sock" -uroot -e 'SELECT 1' >/dev/null 2>&1 && break
  sleep 0.1
done
mariadb --no-defaults --socket="$dir/my/s.sock" -uroot -e "
  CREATE DATABASE tablora CHARACTER SET utf8mb4;
  CREATE USER 'tablora'@'127.0.0.1' IDENTIFIED BY 'tablora';
  GRANT ALL ON \`tablora%\`.* TO 'tablora'@'127.0.0.1';"

cat >"$dir/servers.env" <<ENV
TABLORA_PG_CONNECT='Driver={PostgreSQL Unicode};Server=127.0.0.1;Port=$pg_port;Database=tablora;Uid=tablora;Pwd=tablora'
TABLORA_MYSQL_CONNECT='Driver={MariaDB Unicode};Server=127.0.0.1;Port=$my_port;Database=tablora;Uid=tablora;Pwd=tablora'
ENV
cat "$dir/servers.env"
