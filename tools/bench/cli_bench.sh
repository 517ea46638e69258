#!/usr/bin/env bash
# Files per second of "wattora-cli estimate --json" in one process, over generated projects.
#   tools/bench/cli_bench.sh [build folder] [file count]
set -euo pipefail
build=${1:-build}
count=${2:-1000}
cli="$build/app/wattora-cli"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config"  # never the user's settings
"$cli" new fan -o "$work/template.KVE" >/dev/null
# Variants: hours per day 1..24 and the motor power; the duty cycle stays at 100 %.
for ((i = 0; i < count; ++i)); do
  hours=$((i % 24 + 1))
  power=$((100 + i % 900))
  sed -e "s/^P001=A1-01=24; /P001=A1-01=$hours; /" \
      -e "s/^P005=A1-05=150.0;/P005=A1-05=$power.0;/" \
      -e "s/^PUMP\r\$/FAN\r/" "$work/template.KVE" > "$work/p$i.KVE"
  if ((i % 2)); then sed -i "s/^FAN\r\$/PUMP\r/" "$work/p$i.KVE"; fi
done
start=$(date +%s.%N)
"$cli" estimate --json "$work"/p*.KVE > "$work/out.json"
end=$(date +%s.%N)
ok=$(grep -o '"ok": true' "$work/out.json" | wc -l)
awk -v n="$count" -v ok="$ok" -v s="$start" -v e="$end" \
  'BEGIN { t = e - s; printf "%d files (%d estimated) in %.3f s: %.0f files per second\n", n, ok, t, n / t }'
