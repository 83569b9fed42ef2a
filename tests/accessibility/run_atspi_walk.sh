#!/usr/bin/env bash
# Runs atspi_walk.py over a private X server and a private session bus with its own accessibility bus and
# registry, so that nothing of the user's desktop is read or changed.
#   run_atspi_walk.sh DRIVER [DRIVER ARGUMENTS...]
#   run_atspi_walk.sh --run PROGRAM [ARGUMENTS...]   runs PROGRAM there instead, with accessibility on
# Fails when Xvfb, dbus-run-session, the accessibility bus or pyatspi are missing (scripts/setup installs them).
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"

if [ -z "${QUORLINK_ATSPI_INNER:-}" ]; then
    for tool in Xvfb dbus-run-session; do
        command -v "$tool" >/dev/null || { echo "FAILED: no $tool"; exit 1; }
    done
    # Debian's own Python holds python3-pyatspi; a python3 earlier on PATH may not.
    python=""
    for candidate in /usr/bin/python3 python3; do
        "$candidate" -c 'import pyatspi' 2>/dev/null && python="$candidate" && break
    done
    [ -n "$python" ] || { echo "FAILED: no python3-pyatspi"; exit 1; }
    export QUORLINK_ATSPI_PYTHON="$python"
    export QUORLINK_ATSPI_INNER=1
    exec dbus-run-session -- "$0" "$@"
fi

launcher=""
for candidate in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
    [ -x "$candidate" ] && launcher="$candidate" && break
done
registry=""
for candidate in /usr/libexec/at-spi2-registryd /usr/lib/at-spi2-core/at-spi2-registryd; do
    [ -x "$candidate" ] && registry="$candidate" && break
done
[ -n "$launcher" ] && [ -n "$registry" ] || { echo "FAILED: no at-spi2-core"; exit 1; }

pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    wait 2>/dev/null
}
trap cleanup EXIT

# A display of our own: Xvfb picks a free number and writes it (two walks may start at once).
scratch=$(mktemp -d /tmp/qlt-atspi.XXXXXX) || exit 1
Xvfb -displayfd 3 -screen 0 1600x1200x24 -nolisten tcp 3>"$scratch/display" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -s "$scratch/display" ] && break; sleep 0.1; done
[ -s "$scratch/display" ] || { echo "Xvfb did not start"; rm -rf "$scratch"; exit 1; }
export DISPLAY=":$(tr -d '[:space:]' <"$scratch/display")"
rm -rf "$scratch"

"$launcher" --launch-immediately >/dev/null 2>&1 &
pids+=($!)
sleep 0.5
"$registry" >/dev/null 2>&1 &
pids+=($!)
sleep 0.5

export QT_QPA_PLATFORM=xcb
if [ "${1:-}" = "--run" ]; then
    shift
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 "$@"
    exit $?
fi
"$QUORLINK_ATSPI_PYTHON" "$here/atspi_walk.py" "$@"
