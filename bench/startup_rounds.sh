# SPDX-License-Identifier: GPL-3.0-or-later
# The rounds and the report that startup.sh and startup_x11.sh share; each
# sources this file after it has defined
#   measure <program> [settings folder]   prints "<milliseconds> <peak KiB>"
# and set bare, veltrane, controls, settings, scratch, runs, max_time_ratio
# and max_rss_ratio.

# The median of the numbers on standard input, one a line.
median() {
    sort -g | awk '{ v[NR] = $1 }
        END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# One run of each first, not counted: it fills the file caches and writes the
# settings file that every counted run then starts from, so every Veltrane
# run reads and stores the same settings. Then the programs take turns; each
# round is one line of $scratch/runs: bare, Veltrane and controls, each as
# milliseconds and KiB.
run_rounds() {
    local run bare_run veltrane_run controls_run
    measure "$bare" >/dev/null
    measure "$controls" >/dev/null
    measure "$veltrane" "$settings" >/dev/null
    cp "$settings/veltrane.ini" "$scratch/veltrane.ini"

    : >"$scratch/runs"
    for ((run = 1; run <= runs; ++run)); do
        cp "$scratch/veltrane.ini" "$settings/veltrane.ini"
        bare_run=$(measure "$bare")
        veltrane_run=$(measure "$veltrane" "$settings")
        controls_run=$(measure "$controls")
        echo "$bare_run $veltrane_run $controls_run" >>"$scratch/runs"
    done
    if [[ -n ${KEEP_RUNS:-} ]]; then
        cp "$scratch/runs" "$KEEP_RUNS"
    fi
}

median_column() { awk -v c="$1" '{ print $c }' "$scratch/runs" | median; }
median_of() { awk "{ print $1 }" "$scratch/runs" | median; }

# Numbers are printed by awk, which writes decimal points whatever the locale.
figures() { # name milliseconds KiB
    awk -v n="$1" -v t="$2" -v m="$3" 'BEGIN { printf "%-10s %12.1f %16.0f\n", n, t, m }'
}
ratio() { # name ratio limit
    awk -v n="$1" -v r="$2" -v l="$3" \
        'BEGIN { printf "ratio %-5s %.3f   target <= %s: %s\n", n, r, l, (r <= l ? "met" : "MISSED") }'
}
within() { # ratio limit
    awk -v r="$1" -v l="$2" 'BEGIN { exit !(r <= l) }'
}

# Prints the medians of every program and of the ratios of each round, with
# the split of Veltrane / bare into what Qt needs to build and draw the
# window's controls and what the program adds on top; fails when a target is
# missed.
#   report <heading> <label of the time column>
report() {
    local time_ratio rss_ratio
    time_ratio=$(median_of '$3 / $1')
    rss_ratio=$(median_of '$4 / $2')
    echo "$1"
    printf '%-10s %12s %16s\n' "" "$2" "peak RSS KiB"
    figures bare "$(median_column 1)" "$(median_column 2)"
    figures Veltrane "$(median_column 3)" "$(median_column 4)"
    figures controls "$(median_column 5)" "$(median_column 6)"
    ratio time "$time_ratio" "$max_time_ratio"
    ratio RSS "$rss_ratio" "$max_rss_ratio"
    awk -v a="$(median_of '$5 / $1')" -v b="$(median_of '$3 / $5')" \
        -v c="$(median_of '$6 / $2')" -v d="$(median_of '$4 / $6')" \
        'BEGIN { printf "controls / bare      time %.3f   RSS %.3f\n", a, c
                 printf "Veltrane / controls  time %.3f   RSS %.3f\n", b, d }'
    within "$time_ratio" "$max_time_ratio" && within "$rss_ratio" "$max_rss_ratio"
}
