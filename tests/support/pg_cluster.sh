#!/bin/bash
# A throwaway PostgreSQL cluster for the tests of a server log.
#   pg_cluster.sh start STATE_DIR   initdb in a new temporary folder, start the server on a
#                                   private Unix socket; STATE_DIR/cluster names that folder
#   pg_cluster.sh stop STATE_DIR    stop the server and remove the folder
# initdb refuses root: as root, the cluster belongs to the unprivileged account "nobody".
# Exit status 77 when the server programs are not installed (the tests then skip).
set -u
action=$1
state=$2
mkdir -p "$state"

bindir=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
[ -n "$bindir" ] && [ -x "$bindir/initdb" ] || { echo "PostgreSQL server programs missing"; exit 77; }

as_owner() {
  if [ "$(id -u)" = 0 ]; then runuser -u nobody -- "$@"; else "$@"; fi
}

stop() {
  [ -f "$state/cluster" ] || return 0
  local dir
  dir=$(cat "$state/cluster")
  rm -f "$state/cluster"
  [ -d "$dir/data" ] && as_owner "$bindir/pg_ctl" -D "$dir/data" -m immediate -w stop >/dev/null 2>&1
  rm -rf "$dir"
}

case "$action" in
start)
  stop  # a cluster left by an interrupted run
  dir=$(mktemp -d /tmp/brevane-pg-XXXXXX)
  chmod 755 "$dir"
  [ "$(id -u)" = 0 ] && chown nobody "$dir"
  as_owner "$bindir/initdb" -D "$dir/data" -U brevane -A trust -E UTF8 --locale=C.UTF-8 \
    --no-sync >"$dir/initdb.log" 2>&1 || { cat "$dir/initdb.log"; rm -rf "$dir"; exit 1; }
  # Only a Unix socket in the cluster's own folder: no port is taken on the machine.
  as_owner "$bindir/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -o \
    "-k $dir -c listen_addresses= -c fsync=off -c synchronous_commit=off -c full_page_writes=off -c max_connections=60" \
    start >/dev/null || { cat "$dir/server.log"; rm -rf "$dir"; exit 1; }
  echo "$dir" >"$state/cluster"
  ;;
stop) stop ;;
*) echo "usage: $0 start|stop STATE_DIR"; exit 2 ;;
esac
