#!/bin/sh
# Starts the classroom page in its container. Its settings come from the environment, as a
# container's usually do, and arguments given to the container come after them (and win).
#   TALLYWORTH_LISTEN       ADDRESS:PORT (0.0.0.0:8470)
#   TALLYWORTH_BASE_PATH    a prefix such as /worksheets, behind a reverse proxy or ingress
#   TALLYWORTH_SETS         sets drawn at once (one a processor core)
#   TALLYWORTH_QUEUE        sets waiting for their turn beyond those (64)
#   TALLYWORTH_PER_CLIENT   connections from one address at once (16)
#   TALLYWORTH_PUBLIC_URL   the address pupils open the page at, such as
#                           https://worksheets.example.org/worksheets/: each sheet then
#                           carries a QR code of its practice page under it
set -eu
set -- --serve --listen "${TALLYWORTH_LISTEN:-0.0.0.0:8470}" \
  ${TALLYWORTH_BASE_PATH:+--base-path "$TALLYWORTH_BASE_PATH"} \
  ${TALLYWORTH_SETS:+--sets "$TALLYWORTH_SETS"} \
  ${TALLYWORTH_QUEUE:+--queue "$TALLYWORTH_QUEUE"} \
  ${TALLYWORTH_PER_CLIENT:+--per-client "$TALLYWORTH_PER_CLIENT"} \
  ${TALLYWORTH_PUBLIC_URL:+--public-url "$TALLYWORTH_PUBLIC_URL"} \
  "$@"
# The server itself is the container's first process: SIGTERM reaches it, and it stops.
exec /usr/bin/tallyworth "$@"
