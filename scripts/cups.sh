#!/usr/bin/env bash
# A CUPS scheduler of the tests' own, on 127.0.0.1 only, with a PDF queue as
# its default printer; the system's own scheduler and queues are untouched.
#
#   eval "$(scripts/cups.sh start)"   starts it (if needed) and prints the
#                                     export lines: CUPS_SERVER for every
#                                     client, PANTORO_CUPS_PDF_DIR where the
#                                     queue writes each job as a PDF
#   scripts/cups.sh stop              stops it, if this shell started it
#
# Runs as root on Debian 12 after scripts/install-deps.sh; safe to repeat.
# Diagnostics go to stderr; stdout carries only the export lines.
set -euo pipefail

HOST=127.0.0.1
PORT=${PANTORO_CUPS_PORT:-6311}
ROOT=${PANTORO_CUPS_ROOT:-/tmp/pantoro-cups}
PDF_DIR=$ROOT/pdf
QUEUE=pantoro-teste
PIDFILE=$ROOT/cupsd.pid
# The PDF backend reads the settings of device cups-pdf:/NAME from a file of
# that name in its fixed folder; the system's own cups-pdf.conf stays as it is.
QUEUE_CONF=/etc/cups/cups-pdf-$QUEUE.conf

log() { echo "cups.sh: $*" >&2; }

listening() {
  (exec 3<>"/dev/tcp/$HOST/$PORT") 2>/dev/null
}

running() {
  [ -f "$PIDFILE" ] && kill -0 "$(cat "$PIDFILE")" 2>/dev/null
}

write_config() {
  install -d -m 0755 "$ROOT" "$ROOT/spool" "$ROOT/cache" "$ROOT/state" "$ROOT/log" "$ROOT/conf/ppd"
  install -d -m 1777 "$PDF_DIR" "$ROOT/tmp"
  cat >"$ROOT/cupsd.conf" <<CONF
Listen $HOST:$PORT
Browsing Off
BrowseLocalProtocols none
DefaultAuthType None
LogLevel warn
MaxJobs 0
PreserveJobFiles No
<Location />
  Order allow,deny
  Allow from 127.0.0.1
</Location>
<Location /admin>
  Order allow,deny
  Allow from 127.0.0.1
</Location>
<Policy default>
  <Limit All>
    Order allow,deny
    Allow from 127.0.0.1
  </Limit>
</Policy>
CONF
  cat >"$ROOT/cups-files.conf" <<CONF
ServerRoot $ROOT/conf
RequestRoot $ROOT/spool
CacheDir $ROOT/cache
StateDir $ROOT/state
TempDir $ROOT/tmp
AccessLog $ROOT/log/access_log
ErrorLog $ROOT/log/error_log
PageLog $ROOT/log/page_log
SystemGroup root lpadmin
Sandboxing Relaxed
CONF
  cat >"$QUEUE_CONF" <<CONF
Out $PDF_DIR
AnonDirName $PDF_DIR
Label 1
Grp root
UserUMask 0000
CONF
}

start() {
  if [ "$(id -u)" != 0 ]; then
    log "must run as root"
    exit 1
  fi
  local iniciado=0
  if ! running; then
    iniciado=1
    write_config
    setsid /usr/sbin/cupsd -f -c "$ROOT/cupsd.conf" -s "$ROOT/cups-files.conf" </dev/null >&2 2>&1 &
    echo $! >"$PIDFILE"
    local i
    for i in $(seq 1 50); do
      listening && break
      sleep 0.2
    done
    listening || { log "the scheduler did not start; see $ROOT/log/error_log"; exit 1; }
    lpadmin -h "$HOST:$PORT" -p "$QUEUE" -E -v cups-pdf:/$QUEUE -P /usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd >&2
    lpadmin -h "$HOST:$PORT" -d "$QUEUE" >&2
  fi
  echo "export CUPS_SERVER=$HOST:$PORT"
  echo "export PANTORO_CUPS_PDF_DIR=$PDF_DIR"
  # Only the shell that started the scheduler stops it: a second test run's
  # printing keeps its scheduler.
  echo "export PANTORO_CUPS_INICIADO_AQUI=$iniciado"
}

stop() {
  [ "${PANTORO_CUPS_INICIADO_AQUI:-1}" = 1 ] || return 0
  if running; then
    kill "$(cat "$PIDFILE")"
    local i
    for i in $(seq 1 50); do
      running || break
      sleep 0.1
    done
  fi
  rm -f "$PIDFILE" "$QUEUE_CONF"
}

case "${1:-}" in
  start) start ;;
  stop) stop ;;
  *) echo "usage: $0 start|stop" >&2; exit 2 ;;
esac
