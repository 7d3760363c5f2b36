#!/usr/bin/env bash
# Two servers behind one nginx on loopback, as a district runs several copies behind a load
# balancer: 30 sets of one code asked at once, and one server, drawing two sets at a time,
# killed once the first set is whole. Every answer that ends well holds the command line's
# sheets for that code; only the sets the killed server was drawing are cut, and each ends
# in an error, never in a shorter PDF taken for the whole; those still waiting there are
# asked of the other server; and it serves on. Leaves nothing running.
# Usage: load_balancer_test.sh PROGRAM
set -euo pipefail

readonly kProgram=$1
readonly kWaitSeconds=120
readonly kSets=30
readonly kDrawing=2 # sets each server draws at once
readonly kOptions=(--operation x --highest 12 --sheets 10 --answers each --paper a4)

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

for tool in curl pdftotext python3 setpriv; do
  command -v "$tool" >/dev/null || fail "$tool is not installed (see scripts/deps.sh)"
done
NGINX=$(PATH="$PATH:/usr/sbin" command -v nginx) || fail "nginx is not installed (nginx-light)"

SCRATCH=$(mktemp -d "${TMPDIR:-/tmp}/tallyworth-balanced.XXXXXX")
servers=()
stop_all() {
  if [ -s "$SCRATCH/nginx.pid" ]; then
    local pid deadline=$((SECONDS + 30))
    pid=$(cat "$SCRATCH/nginx.pid")
    kill -TERM "$pid" 2>/dev/null || true
    while kill -0 "$pid" 2>/dev/null && [ "$SECONDS" -lt "$deadline" ]; do
      sleep 0.1 # nginx is no child of this shell; bounded by the deadline
    done
  fi
  local pid
  for pid in "${servers[@]}" $(jobs -p); do
    kill -KILL "$pid" 2>/dev/null || true
  done
  wait 2>/dev/null || true
  rm -rf "$SCRATCH"
}
trap stop_all EXIT

# Each server prints its address first (into ADDRESS); all connections come from nginx's
# address.
start_server() {
  local name=$1 shown
  env LANG=C.UTF-8 "$kProgram" --serve --listen 127.0.0.1:0 --base-path /worksheets \
    --per-client 256 --sets "$kDrawing" >"$SCRATCH/$name.out" 2>"$SCRATCH/$name.log" &
  servers+=($!)
  local deadline=$((SECONDS + kWaitSeconds))
  until shown=$(sed -n 1p "$SCRATCH/$name.out") && [ -n "$shown" ]; do
    if [ "$SECONDS" -ge "$deadline" ] || ! kill -0 "${servers[-1]}" 2>/dev/null; then
      fail "server $name did not start: $(cat "$SCRATCH/$name.log")"
    fi
    sleep 0.1 # waiting for the address, bounded by the deadline
  done
  ADDRESS=$(sed -nE 's|^http://(127\.0\.0\.1:[0-9]+)/.*|\1|p' <<<"$shown")
}
start_server first
first=$ADDRESS
start_server second
second=$ADDRESS

# The first failure to connect to a server takes it out; a request nothing was sent for
# yet goes to the other.
write_nginx_conf() {
  cat >"$SCRATCH/nginx.conf" <<CONF
pid $SCRATCH/nginx.pid;
error_log $SCRATCH/error.log;
worker_processes 1;
events { worker_connections 256; }
http {
    access_log $SCRATCH/access.log;
    client_body_temp_path $SCRATCH/body;
    proxy_temp_path $SCRATCH/proxy;
    fastcgi_temp_path $SCRATCH/fastcgi;
    uwsgi_temp_path $SCRATCH/uwsgi;
    scgi_temp_path $SCRATCH/scgi;
    upstream tallyworth {
        server $first max_fails=1 fail_timeout=60s;
        server $second max_fails=1 fail_timeout=60s;
    }
    server {
        listen 127.0.0.1:$1;
        location /worksheets/ {
            proxy_pass http://tallyworth;
            proxy_http_version 1.1;
            proxy_buffering off;
            proxy_read_timeout 90s;
            proxy_next_upstream error timeout http_503;
        }
    }
}
CONF
}
as_user=()
if [ "$(id -u)" -eq 0 ]; then
  chown -R nobody "$SCRATCH"
  as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
for attempt in 1 2 3; do
  port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
  write_nginx_conf "$port"
  "${as_user[@]}" "$NGINX" -p "$SCRATCH" -c "$SCRATCH/nginx.conf" -e "$SCRATCH/error.log" && break
  [ "$attempt" -lt 3 ] || fail "nginx did not start: $(cat "$SCRATCH/error.log" 2>/dev/null)"
done

code=$(env LANG=C.UTF-8 "$kProgram" --pdf "$SCRATCH/made.pdf" "${kOptions[@]}")
pdftotext -raw "$SCRATCH/made.pdf" "$SCRATCH/made.txt"
query="code=$code&sheets=10&answers=each&paper=a4"

for set in $(seq "$kSets"); do
  (
    status=0
    curl -sS --max-time "$kWaitSeconds" -o "$SCRATCH/set$set.pdf" \
      "http://127.0.0.1:$port/worksheets/worksheets.pdf?$query" 2>"$SCRATCH/set$set.err" ||
      status=$?
    echo "$status" >"$SCRATCH/set$set.status"
  ) &
done

# Once the first set is whole, the first server dies as a crashed or evicted one does.
deadline=$((SECONDS + kWaitSeconds))
until compgen -G "$SCRATCH/set*.status" >/dev/null; do
  [ "$SECONDS" -lt "$deadline" ] || fail "no set came back in $kWaitSeconds s"
  sleep 0.05 # waiting for the first answer, bounded by the deadline
done
kill -KILL "${servers[0]}"
wait "${servers[0]}" 2>/dev/null || true
for set in $(seq "$kSets"); do
  until [ -f "$SCRATCH/set$set.status" ]; do
    [ "$SECONDS" -lt "$deadline" ] || fail "set $set did not end in $kWaitSeconds s"
    sleep 0.1 # curl is bounded by --max-time as well
  done
done

whole=0 cut=0
for set in $(seq "$kSets"); do
  if [ "$(cat "$SCRATCH/set$set.status")" -eq 0 ]; then
    pdftotext -raw "$SCRATCH/set$set.pdf" "$SCRATCH/set$set.txt" 2>/dev/null ||
      fail "set $set ended well but is no readable PDF"
    cmp -s "$SCRATCH/made.txt" "$SCRATCH/set$set.txt" ||
      fail "set $set ended well but differs from the command line's for code $code"
    whole=$((whole + 1))
  else
    cut=$((cut + 1))
  fi
done
echo "$whole sets whole and equal to the command line's, $cut cut off with an error"
[ "$cut" -gt 0 ] || fail "the kill cut no set: it came too late to test anything"
[ "$cut" -le "$kDrawing" ] || fail "$cut sets were cut, but the killed server drew only $kDrawing"
[ "$whole" -gt 1 ] || fail "no set but the first came whole: the other server did not serve"

# The survivor serves every set asked for after the kill.
curl -sS --fail --max-time "$kWaitSeconds" -o "$SCRATCH/after.pdf" \
  "http://127.0.0.1:$port/worksheets/worksheets.pdf?$query" ||
  fail "a set asked for after the kill did not come"
pdftotext -raw "$SCRATCH/after.pdf" - | cmp -s "$SCRATCH/made.txt" - ||
  fail "the set asked for after the kill differs from the command line's"
echo "the other server serves on"
