# Sourced by the benchmark scripts. hyperfine runs all runs of one command
# before the next, so a burst of other work can fall on one command and not
# on the one it is compared with: the commands are timed in five rounds, and
# each gets the middle of its five round values.
#   middle_of_rounds CSV-FILE AWK-VALUE HYPERFINE-ARGUMENTS...
# AWK-VALUE is an awk expression over the columns of hyperfine's CSV
# (command, mean, stddev, median, user, system, ...); prints one value per
# command, in order.
rounds=5
middle_of_rounds() {
  local csv=$1 value=$2
  shift 2
  for round in $(seq "$rounds"); do
    hyperfine -N --style none --export-csv "$csv" "$@" >/dev/null
    tail -n +2 "$csv" | awk -F, -v r="$round" "{ print NR, r, $value }"
  done | sort -k1,1n -k3,3g | awk -v mid=$(((rounds + 1) / 2)) '++seen[$1] == mid { print $3 }'
}
