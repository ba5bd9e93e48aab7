#!/usr/bin/env bash
# Throughput of wattmere-cli calc: one process over COUNT copies of the fan example
# (default 1000), JSON output discarded. Prints analyses per second.
# Usage: benchmarks/cli_throughput.sh [path/to/wattmere-cli] [COUNT]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cli=${1:-$root/build/src/wattmere-cli}
count=${2:-1000}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for i in $(seq 1 "$count"); do
    cp "$root/examples/fan-supply.KVX" "$work/fan-$i.KVX"
done
start=$(date +%s.%N)
"$cli" calc "$work"/*.KVX --format json > /dev/null
end=$(date +%s.%N)
awk -v n="$count" -v s="$start" -v e="$end" \
    'BEGIN { printf "%d analyses in %.3f s: %.0f analyses per second\n", n, e - s, n / (e - s) }'
