#!/bin/sh
# Every library the build looks for (find_package, pkg_check_modules,
# find_library, find_program in the CMake files) comes from a Debian package
# that the Makefile installs on a fresh machine: a REQUIRED one from the list
# of make run (RUN_PACKAGES), any from the list of make test (PACKAGES). A
# machine where a package happens to be present would hide a missing one, so
# the lists are checked, not the machine. Names each requirement that no list
# installs, or that the table below does not know, and exits non-zero.
cd "$(dirname "$0")/.." || exit 1

# What CMake looks for, and the Debian package that provides it.
package_of() {
    case "$1" in
    PkgConfig) echo pkg-config ;;
    Qt6) echo qt6-base-dev ;;
    libzip) echo libzip-dev ;;
    cups) echo libcups2-dev ;;
    JPEG) echo libjpeg62-turbo-dev ;;
    lrelease | lupdate) echo qt6-l10n-tools ;;
    benchmark) echo libbenchmark-dev ;;
    esac
}

lists=$(make -s --no-print-directory --eval='t2-print-lists: ; @echo "$(RUN_PACKAGES)"; echo "$(PACKAGES)"' \
    t2-print-lists) || exit 1
run_packages=" $(echo "$lists" | sed -n 1p) "
all_packages=" $(echo "$lists" | sed -n 2p) "

status=0
found=$(find CMakeLists.txt cmake src tools tests bench fuzz -name CMakeLists.txt -o -name '*.cmake' |
    xargs grep -hoE '(find_package|pkg_check_modules|find_library|find_program)\([^)]*\)')
# One requirement a line: kind, what is looked for, and whether it is REQUIRED.
requirements=$(echo "$found" | tr '()' '  ' | awk '
    {
        required = "optional"
        for (i = 2; i <= NF; ++i)
            if ($i == "REQUIRED") required = "required"
        if ($1 == "find_package") name = $2
        else if ($1 == "pkg_check_modules") name = $NF
        else name = $3
        print name, required
    }')
echo "$requirements" | {
    while read -r name required; do
        [ -n "$name" ] || continue
        package=$(package_of "$name")
        if [ -z "$package" ]; then
            echo "check_packages: no Debian package known for '$name'; add it to tools/check_packages.sh" >&2
            status=1
        elif [ "$required" = required ] && [ "${run_packages#* "$package" }" = "$run_packages" ]; then
            echo "check_packages: '$name' is required, but RUN_PACKAGES does not install $package" >&2
            status=1
        elif [ "${all_packages#* "$package" }" = "$all_packages" ]; then
            echo "check_packages: PACKAGES does not install $package (for '$name')" >&2
            status=1
        fi
    done
    exit $status
}
