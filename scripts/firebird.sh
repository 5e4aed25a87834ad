#!/usr/bin/env bash
# The Firebird 3 server the tests use, on 127.0.0.1, without systemd.
#
#   eval "$(scripts/firebird.sh start)"   starts it (if needed) and prints the
#                                         export lines the test fixture reads
#   scripts/firebird.sh stop              stops it, if this script started it
#
# Runs as root on Debian 12 after scripts/install-deps.sh; safe to repeat.
# The tests log in as their own user (PANTORO_TESTE), created once in the
# security database with a password kept in a root-only file, so SYSDBA's
# password is neither needed nor changed. Databases go to PANTORO_FIREBIRD_DIR.
# Diagnostics go to stderr; stdout carries only the export lines.
set -euo pipefail

FB_USER=firebird
GUARD=/usr/sbin/fbguard
SERVER=/usr/sbin/firebird
SECURITY_DB=/var/lib/firebird/3.0/system/security3.fdb
RUN_DIR=/run/firebird3.0
PIDFILE=$RUN_DIR/firebird.pid
STATE_DIR=/var/lib/pantoro-firebird
PASSWORD_FILE=$STATE_DIR/senha
STARTED_MARK=$STATE_DIR/iniciado-por-nos
DB_DIR=${PANTORO_FIREBIRD_DIR:-/tmp/pantoro-firebird}
HOST=127.0.0.1
TEST_USER=PANTORO_TESTE

log() { echo "firebird.sh: $*" >&2; }

require_root() {
  if [ "$(id -u)" != 0 ]; then
    log "must run as root"
    exit 1
  fi
}

# True when the test user logs in and may create databases: a probe
# database is created and dropped.
works() {
  local probe="$HOST:$DB_DIR/sonda.fdb"
  rm -f "$DB_DIR/sonda.fdb"
  printf "create database '%s';\ndrop database;\n" "$probe" |
    ISC_USER=$TEST_USER ISC_PASSWORD=$(cat "$PASSWORD_FILE") timeout 30 isql-fb -q >/dev/null 2>&1
}

listening() {
  (exec 3<>"/dev/tcp/$HOST/3050") 2>/dev/null
}

guard_running() {
  [ -f "$PIDFILE" ] && kill -0 "$(cat "$PIDFILE")" 2>/dev/null
}

ensure_password() {
  install -d -m 0700 "$STATE_DIR"
  if [ ! -s "$PASSWORD_FILE" ]; then
    (umask 077; head -c 12 /dev/urandom | od -An -tx1 | tr -d ' \n' | cut -c1-16 >"$PASSWORD_FILE")
  fi
}

# The test user, written straight into the security database (embedded
# access, as the server's own user) while no server holds the file.
ensure_user() {
  local password
  password=$(cat "$PASSWORD_FILE")
  printf "create or alter user %s password '%s' using plugin Srp;\ngrant create database to user %s;\ncommit;\n" \
    "$TEST_USER" "$password" "$TEST_USER" |
    runuser -u "$FB_USER" -- isql-fb -q -user SYSDBA "$SECURITY_DB" >&2
}

start_server() {
  install -d -o "$FB_USER" -g "$FB_USER" -m 0770 "$RUN_DIR"
  rm -f "$PIDFILE"
  start-stop-daemon --start --quiet --chuid "$FB_USER" --pidfile "$PIDFILE" \
    --exec "$GUARD" -- -daemon -forever -pidfile "$PIDFILE" >&2
  touch "$STARTED_MARK"
}

wait_until_listening() {
  local i
  for i in $(seq 1 60); do
    listening && return 0
    sleep 0.5
  done
  log "the server did not start listening on $HOST:3050"
  return 1
}

stop_server() {
  start-stop-daemon --stop --quiet --oknodo --retry 10 --exec "$GUARD" >&2 || true
  start-stop-daemon --stop --quiet --oknodo --retry 15 --exec "$SERVER" >&2 || true
  rm -f "$PIDFILE" "$STARTED_MARK"
}

start() {
  require_root
  ensure_password
  install -d -o "$FB_USER" -g "$FB_USER" -m 1777 "$DB_DIR"
  local iniciado=0
  if listening && works; then
    :
  else
    iniciado=1
    # The server holds the security database while it runs: the user is
    # written with the server stopped.
    if listening; then
      log "restarting the running server to create the test user"
      stop_server
    fi
    ensure_user
    start_server
    wait_until_listening
    if ! works; then
      log "the test user cannot create a database on $HOST"
      exit 1
    fi
  fi
  echo "export PANTORO_FIREBIRD_HOST=$HOST"
  echo "export PANTORO_FIREBIRD_USER=$TEST_USER"
  echo "export PANTORO_FIREBIRD_PASSWORD=$(cat "$PASSWORD_FILE")"
  echo "export PANTORO_FIREBIRD_DIR=$DB_DIR"
  # Only the shell that started the server stops it: another run's server
  # (a second test run, a developer's) stays up.
  echo "export PANTORO_FIREBIRD_INICIADO_AQUI=$iniciado"
}

stop() {
  require_root
  if [ -f "$STARTED_MARK" ] && [ "${PANTORO_FIREBIRD_INICIADO_AQUI:-1}" = 1 ]; then
    stop_server
  fi
}

case "${1:-}" in
  start) start ;;
  stop) stop ;;
  *)
    echo "usage: $0 start|stop" >&2
    exit 2
    ;;
esac
