# Paired timing for the benchmark scripts (sourced, not run): each round runs the baseline
# `pinto --version` and then the command measured, so a change in the machine's load falls on
# both, and the report gives the medians of each and the median of the rounds' ratios.

# Microseconds of CPU time (user + system) used by finished children, from the output of the
# shell's `times` on standard input (its second line).
children_cpu_us()
{
    awk 'NR == 2 {
        n = split($1 " " $2, t, /[ms ]+/)
        total = 0
        for (i = 1; i < n; i += 2) total += t[i] * 60 + t[i + 1]
        printf "%d\n", total * 1000000 }'
}

# Median of the numbers on standard input.
median()
{
    sort -g | awk '{ v[NR] = $1 } END { print (v[int((NR + 1) / 2)] + v[int(NR / 2) + 1]) / 2 }'
}

# Runs a command in the current folder, its standard output kept in .out; sets start_us (when it
# started, microseconds since the epoch), wall_us and cpu_us. (`times` runs in this shell, not in
# a subshell, to see this shell's children.)
time_run()
{
    local c0
    times >.times
    c0=$(children_cpu_us <.times)
    start_us=$(date +%s%6N)
    "$@" >.out 2>.err
    wall_us=$(($(date +%s%6N) - start_us))
    times >.times
    cpu_us=$(($(children_cpu_us <.times) - c0))
}

# Prints "name: median wall W ms, median CPU C ms" for the files name.wall and name.cpu (µs),
# and, given a baseline name, the median of the per-round ratios to it.
report()
{
    local name="$1" base="${2:-}"
    printf '%s: median wall %.1f ms, median CPU %.1f ms' "$name" \
        "$(median <"$name.wall" | awk '{ print $1 / 1000 }')" \
        "$(median <"$name.cpu" | awk '{ print $1 / 1000 }')"
    if [[ -n "$base" ]]; then
        printf '; median ratio to %s: wall %.2f, CPU %.2f' "$base" \
            "$(paste "$name.wall" "$base.wall" | awk '{ print $1 / $2 }' | median)" \
            "$(paste "$name.cpu" "$base.cpu" | awk '{ print ($2 > 0 ? $1 / $2 : 0) }' | median)"
    fi
    echo
}
