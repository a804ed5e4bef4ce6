#!/usr/bin/env bash
# Checks that docs/reliability.md names exactly the tests of the fault suite:
# every test the suite lists appears in the page's tables, and every test the
# tables name exists. So the page cannot drift from what the tests do.
#   check_reliability_doc.sh <fault_tests binary> <reliability.md>
set -euo pipefail
binary=$1
doc=$2

listed=$(mktemp)
documented=$(mktemp)
trap 'rm -f "$listed" "$documented"' EXIT

# "Suite." lines start a suite; indented lines are its tests ("  Name  # ...").
"$binary" --gtest_list_tests |
    awk '/^[^ ]/ { suite = $1; next } { print suite $1 }' | sort -u >"$listed"
# Test names in backticks in the last cell of the page's table rows.
grep '^|' "$doc" | awk -F'|' '{ print $(NF - 1) }' | grep -o '`[A-Za-z0-9_/]*\.[A-Za-z0-9_/]*`' | tr -d '`' | sort -u >"$documented"

status=0
if ! missing=$(comm -23 "$listed" "$documented") || [ -n "$missing" ]; then
    echo "tests of the fault suite missing from $doc:"; echo "$missing"; status=1
fi
if ! stale=$(comm -13 "$listed" "$documented") || [ -n "$stale" ]; then
    echo "tests named in $doc that the fault suite does not have:"; echo "$stale"; status=1
fi
[ "$status" -eq 0 ] && echo "$(wc -l <"$listed") fault tests, all documented"
exit "$status"
