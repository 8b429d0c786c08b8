#!/usr/bin/env bash
# Every speed and memory goal, once on tmpfs (/dev/shm), where a flush costs nothing, and once on the
# local disk, each against its baseline; then one table of the ratios. Builds what it needs first.
#
#   bench/run_all.sh [disk-folder]     (default: /var/tmp)
#
# Run it on a quiet machine: it takes about ten minutes. Each program takes turns with its baseline,
# so noise falls on both, but a busy machine still spreads the figures.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../scripts/setup.sh"
kelmora_install_missing xvfb x11-utils xdotool time
for target in kelmora kelmora-cli kelmora_bench kelmora_bench_durable_save kelmora_bench_peak kelmora_restore_bench \
              kelmora_same_widgets_window; do
    kelmora_build --target "$target" >/dev/null
done
bin=$KELMORA_BUILD_DIR/bin
disk=${1:-/var/tmp}
results=$(mktemp)
trap 'rm -f "$results"' EXIT

for place in tmpfs disk; do
    folder=/dev/shm
    [ "$place" = disk ] && folder=$disk
    echo "== $place: $folder"
    { nice "$bin/kelmora_bench" "$folder"
      QT_QPA_PLATFORM=offscreen nice "$bin/kelmora_restore_bench" "$folder"
      TMPDIR=$folder nice "$here/startup_bench.sh" || true
    } | tee -a /dev/stderr | sed -n "s/^Goal /$place|Goal /p" >>"$results"
done 2>&1

echo
printf '%-4s | %-46s | %-36s | %8s | %8s | %5s\n' goal what baseline tmpfs disk limit
awk -F' \\| ' '
    { split($1, head, "|"); key = head[2] " | " $2 " | " $3; if (!(key in seen)) { order[++n] = key; seen[key] = 1 }
      ratio[key, head[1]] = $4; limit[key] = $5 }
    END { for (i = 1; i <= n; i++) { split(order[i], k, " \\| "); sub(/^Goal /, "", k[1])
          printf "%-4s | %-46s | %-36s | %8s | %8s | %5s\n", k[1], k[2], k[3], ratio[order[i], "tmpfs"],
                 ratio[order[i], "disk"], limit[order[i]] } }' "$results"
