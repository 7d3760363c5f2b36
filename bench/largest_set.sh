#!/usr/bin/env bash
# The largest class set (500 sheets of 100 problems, a key after each) made twice in one
# run: streamed by the server on loopback and written by the command line from the code the
# server sent. Prints the wall and CPU time and the size of each, the command line's peak
# memory, and fails unless both hold the same codes and the same text.
# Run: bench/largest_set.sh [PROGRAM]   (default: the release build's)
set -euo pipefail
program=${1:-build/release/src/tallyworth}
[ -x "$program" ] || { echo "largest_set.sh: no program at $program" >&2; exit 1; }
folder=$(mktemp -d)
trap 'kill "$server" 2>/dev/null; wait "$server" 2>/dev/null; rm -rf "$folder"' EXIT
unset DISPLAY WAYLAND_DISPLAY
export LANG=en_US.UTF-8

mkfifo "$folder/url"
"$program" --serve --listen 127.0.0.1:0 >"$folder/url" 2>/dev/null &
server=$!
exec 3<"$folder/url"
read -r url <&3

seconds() { date +%s.%N; }
minus() { awk -v a="$1" -v b="$2" 'BEGIN { print a - b }'; }
# The server's CPU time so far, user and system, in seconds.
server_cpu() { awk -v tick="$(getconf CLK_TCK)" '{ print ($14 + $15) / tick }' "/proc/$server/stat"; }
cpu_before=$(server_cpu)
start=$(seconds)
curl -sS --fail -D "$folder/headers" -o "$folder/served.pdf" \
  "${url}worksheets.pdf?operation=x&lowest=10&highest=99&problems=100&sheets=500&answers=each&paper=a4"
served=$(minus "$(seconds)" "$start")
served_cpu=$(minus "$(server_cpu)" "$cpu_before")
code=$(sed -n 's/^X-Tallyworth-Code: *\([^\r]*\).*/\1/Ip' "$folder/headers")

start=$(seconds)
/usr/bin/time -f '%U %S %M' -o "$folder/usage" "$program" --pdf "$folder/made.pdf" --code "$code" \
  --sheets 500 --answers each --paper a4 >/dev/null
made=$(minus "$(seconds)" "$start")

keywords() { pdfinfo -meta "$1" | grep -o '<pdf:Keywords>[^<]*'; }
cmp <(keywords "$folder/served.pdf") <(keywords "$folder/made.pdf")
cmp <(pdftotext "$folder/served.pdf" -) <(pdftotext "$folder/made.pdf" -)
pages=$(pdfinfo "$folder/made.pdf" | sed -n 's/^Pages: *//p')
read -r user system peak <"$folder/usage"
made_cpu=$(awk -v u="$user" -v s="$system" 'BEGIN { print u + s }')
printf 'served:       %.2f s, CPU %.2f s, %s bytes, /Lang %s\n' "$served" "$served_cpu" \
  "$(stat -c %s "$folder/served.pdf")" "$(mutool show "$folder/served.pdf" trailer/Root/Lang)"
printf 'command line: %.2f s, CPU %.2f s, %s bytes, peak %s KB\n' "$made" \
  "$made_cpu" "$(stat -c %s "$folder/made.pdf")" "$peak"
echo "the same $pages pages, codes and text (first code $code)"
