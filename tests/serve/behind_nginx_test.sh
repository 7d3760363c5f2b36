#!/usr/bin/env bash
# The classroom page behind Debian's nginx, set up as the README tells IT to: the README's
# nginx lines (data/nginx-tallyworth-serve.conf, quoted there) in a server block of a
# private nginx on a free loopback port, with the line they give its http block, before
# tallyworth --serve with the options those lines name. Asked by curl through nginx as a browser asks. Leaves nothing running.
# Usage: behind_nginx_test.sh PROGRAM SNIPPET README
set -euo pipefail

readonly kProgram=$1 kSnippet=$2 kReadme=$3
readonly kWaitSeconds=60
readonly kSet='operation=x&highest=12&sheets=2&answers=each&paper=a4'

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

for tool in curl pdftotext python3 setpriv; do
  command -v "$tool" >/dev/null || fail "$tool is not installed (see scripts/deps.sh)"
done
NGINX=$(PATH="$PATH:/usr/sbin" command -v nginx) || fail "nginx is not installed (nginx-light)"

[[ "$(cat "$kReadme")" == *"$(cat "$kSnippet")"* ]] ||
  fail "the README does not quote $kSnippet as it is"

SCRATCH=$(mktemp -d "${TMPDIR:-/tmp}/tallyworth-nginx.XXXXXX")
stop_all() {
  if [ -s "$SCRATCH/nginx.pid" ]; then
    local pid deadline=$((SECONDS + kWaitSeconds))
    pid=$(cat "$SCRATCH/nginx.pid")
    kill -TERM "$pid" 2>/dev/null || true
    while kill -0 "$pid" 2>/dev/null && [ "$SECONDS" -lt "$deadline" ]; do
      sleep 0.1 # nginx is no child of this shell; bounded by the deadline
    done
  fi
  if [ -n "${SERVER_PID:-}" ]; then
    kill -TERM "$SERVER_PID" 2>/dev/null || true
    wait "$SERVER_PID" 2>/dev/null || true
  fi
  rm -rf "$SCRATCH"
}
trap stop_all EXIT

# The options the snippet gives the service, with a free port in place of its own.
options=$(sed -nE 's/^# +TALLYWORTH_SERVE_OPTIONS="(.*)"$/\1/p' "$kSnippet")
[ -n "$options" ] || fail "$kSnippet names no TALLYWORTH_SERVE_OPTIONS"
listen=$(sed -nE 's/.*--listen ([^ ]+).*/\1/p' <<<"$options")
# shellcheck disable=SC2086 # the options are split into words as the service splits them
coproc SERVER { exec env LANG=C.UTF-8 "$kProgram" --serve ${options/$listen/127.0.0.1:0}; }
read -r -t "$kWaitSeconds" -u "${SERVER[0]}" shown || fail "the server did not start"
port=$(sed -nE 's|^http://127\.0\.0\.1:([0-9]+)/.*|\1|p' <<<"$shown")
[ -n "$port" ] || fail "the server printed '$shown', not its address"

# The line the snippet gives the http block.
http_lines=$(sed -nE 's/^# +(limit_conn_zone .*)$/\1/p' "$kSnippet")
[ -n "$http_lines" ] || fail "$kSnippet names no limit_conn_zone for the http block"

mkdir "$SCRATCH/html"
sed "s|http://$listen|http://127.0.0.1:$port|" "$kSnippet" >"$SCRATCH/tallyworth-serve.conf"
# A server block of the school's: the snippet, and nothing of its own under /.
write_nginx_conf() {
  cat >"$SCRATCH/nginx.conf" <<EOF
pid $SCRATCH/nginx.pid;
error_log $SCRATCH/error.log;
worker_processes 1;
events { worker_connections 64; }
http {
    access_log $SCRATCH/access.log;
    client_body_temp_path $SCRATCH/body;
    proxy_temp_path $SCRATCH/proxy;
    fastcgi_temp_path $SCRATCH/fastcgi;
    uwsgi_temp_path $SCRATCH/uwsgi;
    scgi_temp_path $SCRATCH/scgi;
    $http_lines
    server {
        listen 127.0.0.1:$1;
        root $SCRATCH/html;
        include $SCRATCH/tallyworth-serve.conf;
    }
}
EOF
}
# nginx needs no privilege here: as root it runs as nobody.
as_user=()
if [ "$(id -u)" -eq 0 ]; then
  chown -R nobody "$SCRATCH"
  as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
# A port the kernel has just handed out and taken back; another program may take it first,
# so up to three. nginx listens before it returns: the master binds, then goes to the
# background.
for attempt in 1 2 3; do
  nginx_port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
  write_nginx_conf "$nginx_port"
  "${as_user[@]}" "$NGINX" -p "$SCRATCH" -c "$SCRATCH/nginx.conf" -e "$SCRATCH/error.log" && break
  [ "$attempt" -lt 3 ] || fail "nginx did not start: $(cat "$SCRATCH/error.log" 2>/dev/null)"
done
readonly kSite="http://127.0.0.1:$nginx_port"

# Prints the status and the named header's value of GET PATH; the body goes to FILE.
ask() {
  local path=$1 header=$2 file=${3:-/dev/null}
  curl -sS --max-time "$kWaitSeconds" -o "$file" -D "$SCRATCH/headers" "$kSite$path" >/dev/null
  echo "$(sed -n '1s/^[^ ]* \([0-9]*\).*/\1/p' "$SCRATCH/headers")" \
    "$(sed -nE "s/^$header: *([^\r]*)\r?$/\1/Ip" "$SCRATCH/headers")"
}

expect() {
  local path=$1 expected=$2 header=$3 answer
  answer=$(ask "$path" "$header" "${4:-/dev/null}")
  # shellcheck disable=SC2053 # EXPECTED is a pattern
  [[ "$answer" == $expected ]] || fail "GET $path answered '$answer', not '$expected'"
  echo "GET $path: $answer"
}

expect /worksheets/ '200 text/html*' Content-Type "$SCRATCH/page.html"
grep -q 'page\.js' "$SCRATCH/page.html" || fail "the page does not load page.js"
expect /worksheets/page.js '200 *javascript*' Content-Type
expect /worksheets/page.css '200 text/css*' Content-Type
expect "/worksheets/count?operation=x&highest=12&no-trivial=1" '200 text/plain*' Content-Type \
  "$SCRATCH/count"
grep -qx '[1-9][0-9]*' "$SCRATCH/count" || fail "/count answered '$(cat "$SCRATCH/count")'"
expect /worksheets '301 */worksheets/' Location
expect /health '404 *' Content-Type
expect /index.html '404 *' Content-Type

# The set comes whole through the proxy: the same text as the command line's for its code.
expect "/worksheets/worksheets.pdf?$kSet" '200 application/pdf' Content-Type \
  "$SCRATCH/served.pdf"
code=$(sed -nE 's/^X-Tallyworth-Code: *([^\r]*)\r?$/\1/Ip' "$SCRATCH/headers")
env LANG=C.UTF-8 "$kProgram" --pdf "$SCRATCH/made.pdf" --code "$code" --sheets 2 \
  --answers each --paper a4 >/dev/null
served=$(pdftotext -raw "$SCRATCH/served.pdf" -)
grep -q '× .* =' <<<"$served" || fail "the served PDF holds no problems: $served"
[ "$served" = "$(pdftotext -raw "$SCRATCH/made.pdf" -)" ] ||
  fail "the set through nginx differs from the command line's for code $code"
echo "worksheets.pdf through nginx: $(wc -c <"$SCRATCH/served.pdf") bytes, code $code"
