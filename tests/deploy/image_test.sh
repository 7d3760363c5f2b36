#!/usr/bin/env bash
# The container image as a district runs it: built by scripts/image (or the one built before,
# when nothing that goes into it changed), loaded from its OCI archive, run by podman with a
# read-only root and no writable mount, as its own unprivileged user, all capabilities
# dropped, on loopback. Its health, readiness and metrics are asked, a set of 30 sheets is
# held against the command line's, and it is stopped with SIGTERM, as a cluster stops it.
# Leaves no container running; the image and Debian's packages stay in SCRATCH for the next
# run.
# Usage: image_test.sh SOURCE_DIR BUILD_DIR SCRATCH
set -euo pipefail

readonly kSource=$1 kBuild=$2 kScratch=$3
readonly kProgram=$kBuild/src/tallyworth
readonly kWaitSeconds=60
readonly kUser=8470
readonly kSourceLabel=https://source.example/tallyworth # a district's mirror of the source
readonly kOptions=(--operation x --highest 12 --sheets 30 --answers each --paper a4)

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

for tool in podman mmdebstrap curl pdftotext sha256sum /usr/sbin/runc; do
  command -v "$tool" >/dev/null || fail "$tool is not installed (see scripts/deps.sh)"
done
/usr/bin/python3 -c 'import prometheus_client' 2>/dev/null ||
  fail "python3-prometheus-client is not installed (see scripts/deps.sh)"

# Podman's own settings and storage, in SCRATCH: nothing of the machine's is touched. runc,
# cgroupfs and no default ulimits are what works on a machine that is itself a container.
mkdir -p "$kScratch"
cat >"$kScratch/containers.conf" <<CONF
[containers]
default_ulimits = []
[engine]
cgroup_manager = "cgroupfs"
CONF
cat >"$kScratch/storage.conf" <<CONF
[storage]
driver = "vfs"
graphroot = "$kScratch/storage"
runroot = "$kScratch/run"
CONF
export CONTAINERS_CONF=$kScratch/containers.conf CONTAINERS_STORAGE_CONF=$kScratch/storage.conf
PODMAN=$(command -v podman)
podman() {
  timeout --kill-after=10 300 "$PODMAN" --runtime /usr/sbin/runc "$@"
}

# Built again only when what goes into it changed: the package's files and the recipe.
inputs() {
  (
    cd "$kBuild"
    sha256sum src/tallyworth translations/*.qm 2>/dev/null || sha256sum src/tallyworth
    cd "$kSource"
    sha256sum scripts/image data/container-entrypoint.sh cmake/Packaging.cmake cmake/Install.cmake
  ) | sha256sum | cut -d' ' -f1
}
archive=$(echo "$kScratch"/tallyworth-serve-*.oci.tar)
if [ -f "$archive" ] && [ "$(cat "$kScratch/inputs" 2>/dev/null)" = "$(inputs)" ]; then
  echo "reusing $archive: nothing that goes into it changed"
else
  rm -f "$kScratch"/tallyworth-serve-*.oci.tar "$kScratch/inputs"
  TALLYWORTH_IMAGE_APT_CACHE=$kScratch/apt-cache TALLYWORTH_IMAGE_SOURCE=$kSourceLabel \
    "$kSource/scripts/image" "$kBuild" "$kScratch"
  archive=$(echo "$kScratch"/tallyworth-serve-*.oci.tar)
  [ -f "$archive" ] || fail "scripts/image made no archive"
  inputs >"$kScratch/inputs"
fi
version=$(basename "$archive" .oci.tar)
version=${version#tallyworth-serve-}
echo "image archive: $(du -m "$archive" | cut -f1) MB"

# As it is handed on: loaded from the archive.
podman rmi --force "localhost/tallyworth-serve:$version" >/dev/null 2>&1 || true
image=localhost/tallyworth-serve:$version
# Docker reads the archive's manifest.json: read the same way, it names the same image.
podman pull --quiet "docker-archive:$archive" >"$kScratch/as-docker-reads-it"
podman rmi --force "$image" >/dev/null
podman load --quiet -i "$archive" >/dev/null
[ "$(podman image inspect --format '{{.Id}}' "$image")" = "$(cat "$kScratch/as-docker-reads-it")" ] ||
  fail "the archive's manifest.json and its OCI index name different images"
label() {
  podman image inspect --format "{{index .Labels \"org.opencontainers.image.$1\"}}" "$image"
}
[ "$(label version)" = "$version" ] || fail "the image's version label is '$(label version)'"
[ "$(label licenses)" = MIT ] || fail "the image's licence label is '$(label licenses)'"
[ -n "$(label title)" ] || fail "the image has no title label"
[ "$(label source)" = "$kSourceLabel" ] || fail "the image's source label is '$(label source)'"
[ "$(podman image inspect --format '{{.Config.User}}' "$image")" = "$kUser:$kUser" ] ||
  fail "the image does not run as user $kUser"

port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
readonly kSite="http://127.0.0.1:$port/worksheets"
name=tallyworth-image-test-$$
# The archive is what is kept for the next run: the loaded copy goes.
cleanup() {
  podman rm --force --time 0 "$name" >/dev/null 2>&1 || true
  podman rmi --force "$image" >/dev/null 2>&1 || true
  podman image prune --force >/dev/null 2>&1 || true
}
trap cleanup EXIT
started=$(date +%s%N)
podman run --detach --name "$name" --network host --read-only --read-only-tmpfs=false \
  --cap-drop ALL --security-opt no-new-privileges \
  --env TALLYWORTH_LISTEN="127.0.0.1:$port" --env TALLYWORTH_BASE_PATH=/worksheets \
  --env TALLYWORTH_SETS=1 --env TALLYWORTH_QUEUE=1 --env TALLYWORTH_PER_CLIENT=3 \
  "$image" >/dev/null

deadline=$((SECONDS + kWaitSeconds))
until curl -sf --max-time 5 -o /dev/null "$kSite/health"; do
  [ "$SECONDS" -lt "$deadline" ] || fail "no /health 200 in $kWaitSeconds s: $(podman logs "$name" 2>&1)"
  [ "$(podman inspect --format '{{.State.Running}}' "$name")" = true ] ||
    fail "the container ended: $(podman logs "$name" 2>&1)"
  sleep 0.05 # polling for the first answer, bounded by the deadline
done
echo "start to the first /health 200: $((($(date +%s%N) - started) / 1000000)) ms"

# Its own user, not root, with no capability, on a root it cannot write.
server=$(podman inspect --format '{{.State.Pid}}' "$name")
grep -Eq "^Uid:\s+$kUser\s" "/proc/$server/status" || fail "the server does not run as $kUser"
grep -Eq '^CapEff:\s+0+$' "/proc/$server/status" || fail "the server holds capabilities"
[ "$(podman inspect --format '{{.HostConfig.ReadonlyRootfs}} {{len .Mounts}}' "$name")" = "true 0" ] ||
  fail "the container's root is writable or it has a mount"
echo "memory idle: $(sed -nE 's/^VmRSS:\s+([0-9]+) kB/\1/p' "/proc/$server/status") kB"

[ "$(curl -sS --max-time 5 "$kSite/health")" = ok ] || fail "/health does not answer ok"
[ "$(curl -sS --max-time 5 -o /dev/null -w '%{http_code}' "$kSite/ready")" = 200 ] ||
  fail "/ready does not answer 200 while no set is drawn"

code=$(env LANG=C.UTF-8 QT_QPA_PLATFORM=offscreen "$kProgram" --pdf "$kScratch/made.pdf" "${kOptions[@]}")
curl -sS --fail --max-time "$kWaitSeconds" -o "$kScratch/served.pdf" \
  "$kSite/worksheets.pdf?code=$code&sheets=30&answers=each&paper=a4" ||
  fail "the container did not serve the set"
[ "$(pdftotext -raw "$kScratch/served.pdf" -)" = "$(pdftotext -raw "$kScratch/made.pdf" -)" ] ||
  fail "the container's set differs from the command line's for code $code"
echo "memory after a set of 30 sheets: $(sed -nE 's/^VmRSS:\s+([0-9]+) kB/\1/p' "/proc/$server/status") kB"

# Prometheus reads the metrics as they are written.
curl -sS --fail --max-time 5 "$kSite/metrics" >"$kScratch/metrics" || fail "no /metrics"
/usr/bin/python3 - "$kScratch/metrics" <<'PY' || fail "the metrics are not what the server did"
import sys
from prometheus_client.parser import text_string_to_metric_families
samples = {}
for family in text_string_to_metric_families(open(sys.argv[1]).read()):
    for sample in family.samples:
        samples[(sample.name, tuple(sorted(sample.labels.items())))] = sample.value
expected = {
    ("tallyworth_http_requests_total", (("route", "/worksheets.pdf"), ("status", "200"))): 1,
    ("tallyworth_http_requests_total", (("route", "/ready"), ("status", "200"))): 1,
    ("tallyworth_sets_drawn_total", ()): 1,
    ("tallyworth_set_drawing_seconds_count", ()): 1,
    ("tallyworth_sets_drawing", ()): 0,
}
for key, value in expected.items():
    if samples.get(key) != value:
        sys.exit(f"{key}: {samples.get(key)}, not {value}")
PY
# Read whole, not through a pipe into grep -q, whose early exit would fail the pipe.
podman logs "$name" >"$kScratch/log" 2>&1
grep -q '^GET /worksheets/worksheets.pdf 200 ' "$kScratch/log" ||
  fail "the container's log has no line for the set"

# One set drawn at a time and one waiting, as the environment says: two sets that slow
# readers hold leave no room, and the server is not ready until one is done.
readers=()
for _ in 1 2; do
  curl -sS --limit-rate 4k --max-time "$kWaitSeconds" -o /dev/null \
    "$kSite/worksheets.pdf?sheets=500&answers=each" 2>/dev/null &
  readers+=($!)
done
deadline=$((SECONDS + kWaitSeconds))
until [ "$(curl -sS --max-time 5 -o /dev/null -w '%{http_code}' "$kSite/ready")" = 503 ]; do
  [ "$SECONDS" -lt "$deadline" ] || fail "/ready does not answer 503 while both sets are held"
  sleep 0.05 # polling until the sets are taken, bounded by the deadline
done
# Three connections from one address, as the environment says: beside the two sets, one
# that says nothing yet takes the last, and the next is closed unanswered. A connection
# just answered may still count for a moment, so the silent one is opened again each round.
deadline=$((SECONDS + kWaitSeconds))
while exec 3<>"/dev/tcp/127.0.0.1/$port" && curl -sS --max-time 5 -o /dev/null "$kSite/health" 2>/dev/null; do
  exec 3>&-
  [ "$SECONDS" -lt "$deadline" ] || fail "a fourth connection from one address is answered"
  sleep 0.05 # until the answered connections are let go, bounded by the deadline
done
exec 3>&-
kill "${readers[@]}"
wait "${readers[@]}" 2>/dev/null || true
# Nothing in the log but the server's own lines: Qt and fontconfig find what they look for.
podman logs "$name" 2>&1 | grep -Ev '^(http://|(GET|HEAD) )' >"$kScratch/noise" || true
[ ! -s "$kScratch/noise" ] || fail "the container logs complaints: $(head -3 "$kScratch/noise")"

# Stopped as a cluster stops it: SIGTERM, and it ends by itself, well within the grace time.
podman stop --time 20 "$name" >/dev/null
status=$(podman inspect --format '{{.State.ExitCode}}' "$name")
[ "$status" -eq 0 ] || fail "the server ended with status $status on SIGTERM"
echo "the image serves read-only as $kUser and stops cleanly on SIGTERM"
