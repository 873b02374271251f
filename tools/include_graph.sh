#!/bin/sh
# The folder graph of src from its #include lines, one "from to" pair a line
# (a sub-folder such as src/printing/dialog or src/storage/formats counts as a
# folder of its own). Exits non-zero, naming the folders, when the graph has a
# circle.
cd "$(dirname "$0")/../src" || exit 1
grep -rHE '^#include "[a-z]+/' --include='*.h' --include='*.cpp' . |
    sed -E 's#^\./(.*)/[^/]*:\#include "(.*)/[^/]*".*#\1 \2#' |
    awk '$1 != $2' | sort -u >/tmp/t2_include_graph.$$
cat /tmp/t2_include_graph.$$
tsort /tmp/t2_include_graph.$$ >/dev/null 2>/tmp/t2_include_loops.$$
status=$?
cat /tmp/t2_include_loops.$$ >&2
rm -f /tmp/t2_include_graph.$$ /tmp/t2_include_loops.$$
exit $status
