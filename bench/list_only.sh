#!/bin/sh
# t2bench --benchmark_list_tests lists the benchmarks and does nothing else: no
# measurement runs, and nothing is written into the build's data folder, which
# is what gets installed.
# $1: the t2bench program, $2: the build's data folder.
before=$(ls -AR "$2")
listed=$("$1" --benchmark_list_tests) || exit 1
if [ -z "$listed" ]; then
    echo "list_only: no benchmark listed" >&2
    exit 1
fi
# A benchmark's name holds no space; a measurement's report does.
if echo "$listed" | grep ' ' >&2; then
    echo "list_only: more than the names of the benchmarks (above)" >&2
    exit 1
fi
if [ "$(ls -AR "$2")" != "$before" ]; then
    echo "list_only: the build's data folder changed" >&2
    exit 1
fi
