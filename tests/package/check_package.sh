#!/usr/bin/env bash
# Checks a Debian package as Debian and the software centres check it: lintian
# reports no error and no warning, and the AppStream record it carries (with
# the desktop entry it names) passes appstreamcli's validation, offline.
#   check_package.sh <package.deb> <scratch folder>
# Exits 0 when both are clean, 1 listing what is not, 77 when a tool is missing.
set -euo pipefail
deb=$1
scratch=$2

for tool in lintian appstreamcli dpkg-deb; do
    command -v "$tool" >/dev/null ||
        { echo "$tool is not installed (scripts/install-deps.sh installs it)"; exit 77; }
done

failures=0
fail() {
    echo "$*"
    failures=$((failures + 1))
}

# Errors and warnings only: lintian's informational tags are advice.
report=$(lintian --no-cfg "$deb" 2>/dev/null || true)
while IFS= read -r line; do
    fail "lintian: $line"
done < <(grep -E '^[EW]: ' <<<"$report" || true)

rm -rf "$scratch"
mkdir -p "$scratch"
dpkg-deb -x "$deb" "$scratch"
if ! compgen -G "$scratch/usr/share/metainfo/*.metainfo.xml" >/dev/null; then
    fail "no AppStream record in usr/share/metainfo"
elif ! appstreamcli validate-tree --no-net --pedantic "$scratch" >"$scratch.appstream" 2>&1; then
    fail "appstreamcli: $(cat "$scratch.appstream")"
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures problem(s) in $deb"
    exit 1
fi
echo "$deb: lintian and appstreamcli report nothing"
