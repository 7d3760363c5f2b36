#!/bin/sh
# Runs a print scheduler that lives entirely in the directory $1: configuration, spool,
# logs, and the only socket it listens on, $1/cups.sock. Its one queue, "worksheets",
# files every job as $1/out/job-NNNNN.pdf and starts out as $2 says:
#   letter | a4       the default queue, on that paper
#   postscript        the default queue on Letter, a PostScript printer: jobs are filed
#                     as the print service's PostScript driver turns them out
#   rejecting | stopped   the default queue, refusing jobs or stopped
#   none              no queue at all
# Says "ready" once the scheduler answers, then runs until terminated. On failure it
# says why and exits.
set -eu
root=${1:?the scheduler directory} setup=${2:?the queue set-up}
here=$(cd "$(dirname "$0")" && pwd)
sock=$root/cups.sock
export PATH="/usr/sbin:/sbin:$PATH" LC_ALL=C

[ "${#sock}" -lt 108 ] || { echo "the socket path $sock is too long; use a shorter TMPDIR"; exit 1; }
command -v cupsd >/dev/null || { echo "cupsd is not installed (Debian package cups-daemon)"; exit 1; }
serverbin=
for dir in /usr/lib/cups /usr/libexec/cups /usr/local/lib/cups; do
  [ -d "$dir/daemon" ] && serverbin=$dir && break
done
[ -n "$serverbin" ] || { echo "the scheduler's helper programs (cups/daemon) are not installed"; exit 1; }

# The scheduler runs its helpers as lp, who must reach this tree and file jobs into out/.
cd "$root"
mkdir -p etc/ppd spool cache state tmp log out bin/backend
chmod 755 . etc etc/ppd log bin bin/backend
chmod 777 out tmp
for dir in "$serverbin"/*; do
  [ "${dir##*/}" = backend ] || ln -s "$dir" bin/
done
install -m 755 "$here/pdfdir" bin/backend/pdfdir

cat >etc/cupsd.conf <<CONF
Listen $sock
Browsing No
BrowseLocalProtocols none
WebInterface No
LogLevel info
ErrorPolicy abort-job
DefaultAuthType None
<Policy default>
  JobPrivateAccess all
  JobPrivateValues none
  SubscriptionPrivateAccess all
  SubscriptionPrivateValues none
  <Limit All>
    Order deny,allow
    Allow all
  </Limit>
</Policy>
CONF
cat >etc/cups-files.conf <<CONF
ServerRoot $root/etc
ServerBin $root/bin
RequestRoot $root/spool
CacheDir $root/cache
StateDir $root/state
TempDir $root/tmp
ErrorLog $root/log/error_log
AccessLog $root/log/access_log
PageLog $root/log/page_log
User lp
Group lp
SystemGroup root
CONF

state=Idle accepting=Yes paper=Letter
case $setup in
  a4) paper=A4 ;;
  rejecting) accepting=No ;;
  stopped) state=Stopped ;;
esac
if [ "$setup" != none ]; then
  cat >etc/printers.conf <<CONF
<DefaultPrinter worksheets>
Info Worksheet PDF
DeviceURI pdfdir:$root/out
State $state
Accepting $accepting
Shared No
</DefaultPrinter>
CONF
  filter='^$'
  [ "$setup" = postscript ] && filter='^\*cupsFilter2'
  sed "s/^\(\*Default[A-Za-z]*\): Letter$/\1: $paper/" "$here/worksheets.ppd" |
    grep -v "$filter" >etc/ppd/worksheets.ppd
fi

cupsd -f -c "$root/etc/cupsd.conf" -s "$root/etc/cups-files.conf" &
pid=$!
trap 'kill $pid 2>/dev/null; wait $pid; exit 0' TERM INT
until lpstat -h "$sock" -r 2>/dev/null | grep -qx 'scheduler is running'; do
  kill -0 $pid 2>/dev/null || { echo "cupsd stopped at once:"; cat log/error_log 2>/dev/null; exit 1; }
  sleep 0.05
done
echo ready
wait $pid
