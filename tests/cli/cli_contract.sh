#!/bin/bash
# The contract of fileutility-cli, one row per case: exit status, what the
# output says, what reached the destination. Runs the Linux program, or the
# Windows one through the emulator given in FU_EMULATOR (Wine).
#
#   cli_contract.sh <fileutility-cli> <backup-folder>
set -u
cli=$(realpath "$1")
engine=$(realpath "$2")
read -r -a emulator <<<"${FU_EMULATOR:-}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

run() { "${emulator[@]}" "$cli" "$@"; }
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# expect <case> <status> <text in the output or -> <arguments...>
expect() {
    local name=$1 status=$2 text=$3
    shift 3
    local out
    out=$(cd "$work" && run "$@" 2>&1)
    local got=$?
    [ "$got" -eq "$status" ] || fail "$name: exit $got, expected $status: $out"
    [ "$text" = - ] || grep -qF -- "$text" <<<"$out" || fail "$name: no \"$text\" in: $out"
}

base_file() {  # <folder> <title>
    for n in $(seq 1 26); do
        if [ "$n" -eq 23 ]; then printf '%s\r\n' "$2"; else printf 'B%d\r\n' "$n"; fi
    done >"$1/ZELBAS00.DAT"
}

src=$work/src
mkdir -p "$src" "$work/dst" "$work/nobase"
base_file "$src" TITLE
for name in ZELCODB0.DAT ZELLCOB0.DAT A.ZEL ZELPRN1-000.DAT; do
    printf '%s\nline two\n' "$name" >"$src/$name"
done

expect help 0 "fileutility-cli carry-over [--from DIR] --to DIR" --help
expect version 0 "fileutility-cli 2.0.1.4" --version
expect "no command" 64 "使い方" 
expect "unknown command" 64 "不明な操作です" copy --to "$work/dst"
expect "unknown option" 64 "不明な引数です" backup --to "$work/dst" --force
expect "no --to" 64 "--to" backup --from "$src"
expect "new without title" 64 "--title" new --from "$src" --to "$work/dst"
expect "option twice" 64 "2回" backup --from "$src" --to a --to b
expect "no environment file" 2 "zeldefs8.envが見つかりません。" backup --to "$work/dst"
expect "empty source" 2 "コピー元のディレクトリを正しく設定して下さい。" backup --from "" --to "$work/dst"
expect "empty destination" 2 "コピー先のディレクトリを正しく設定して下さい。" backup --from "$src" --to ""
expect "same folder" 2 "コピー元とコピー先のディレクトリが同じです。" backup --from "$src" --to "$src/"
expect "no base file" 2 "コピー元ディレクトリにZelmoraのファイルがありません。" \
    backup --from "$work/nobase" --to "$work/dst"
expect "two levels" 2 "新規ディレクトリ名に'/'は使用できません。" \
    backup --from "$src" --to "$work/dst" --new-dir a/b
expect "missing parent" 2 "新規ディレクトリを作成できませんでした。" \
    backup --from "$src" --to "$work/none" --new-dir x
[ -z "$(ls -A "$work/dst")" ] || fail "a refused request wrote: $(ls -A "$work/dst")"

expect backup 0 "バックアップが終了しました。" backup --from "$src" --to "$work/dst"
mkdir "$work/ref"
"${emulator[@]}" "$engine" "$src/" "$work/ref/" >/dev/null || fail "the engine's own backup failed"
diff -r "$work/ref" "$work/dst" >/dev/null || fail "the backup differs from the engine's"

expect "dated folder" 0 "バックアップが終了しました。" \
    backup --from "$src" --to "$work" --new-dir "b-%Y-%m-%d"
[ -f "$work/b-$(date +%Y-%m-%d)/zelbas00.dat" ] || fail "no dated folder: $(ls "$work")"

printf '[PATH]=%s/\r\n' "$src" >"$work/zeldefs8.env"
expect "source from the environment file" 0 "次年度繰り越しが終了しました。" \
    carry-over --to "$work" --new-dir carried --title "令和９年度"
[ "$(sed -n 23p "$work/carried/zelbas00.dat" | iconv -f CP932 -t UTF-8)" = $'令和９年度\r' ] ||
    fail "the title did not reach line 23"
expect "title Shift-JIS cannot hold" 2 "コピー先のタイトルに使用できない文字「😀」があります。" \
    new --to "$work" --new-dir emoji --title "😀"

mkdir "$work/ro" && cp "$work/dst/"* "$work/ro/" && chmod a-w "$work/ro/ZELCODB0.DAT"
expect "some files not copied" 1 "ZELCODB0.DAT：読み取り専用です" \
    backup --from "$src" --to "$work/ro" --log "$work/run.log"
expect "the log appends" 1 - backup --from "$src" --to "$work/ro" --log "$work/run.log"
[ "$(grep -c ' backup .* exit=1$' "$work/run.log")" -eq 2 ] || fail "log: $(cat "$work/run.log")"

json=$(cd "$work" && run backup --from "$src" --to "$work/ro" --json 2>/dev/null)
python3 - "$json" <<'PY' || fail "--json: $json"
import json, sys
report = json.loads(sys.argv[1])
assert report["operation"] == "backup" and report["exit"] == 1, report
rows = {row["name"]: row for row in report["files"]}
assert rows["ZELCODB0.DAT"]["result"] == "read-only", rows
assert rows["ZELCODB0.DAT"]["reason"] == "読み取り専用です" and rows["ZELCODB0.DAT"]["error"] == 13
assert rows["A.ZEL"]["result"] == "copied", rows
PY

# Ctrl+C between files: a signal, so the Linux program only.
if [ ${#emulator[@]} -eq 0 ]; then
    big=$work/big
    mkdir "$big" && base_file "$big" BIG
    for n in 1 2 3 4 5 6; do
        yes "record line of a large invented file $n" | head -c 40000000 >"$big/F$n.ZEL"
    done
    mkdir "$work/bigref" "$work/bigdst"
    run backup --from "$big" --to "$work/bigref" >/dev/null
    "$cli" backup --from "$big" --to "$work/bigdst" >"$work/stopped.out" 2>&1 &
    pid=$!
    while [ ! -e "$work/bigdst/F1.ZEL" ] && kill -0 "$pid" 2>/dev/null; do sleep 0.05; done
    kill -INT "$pid"
    wait "$pid"
    status=$?
    [ "$status" -eq 3 ] || fail "Ctrl+C: exit $status: $(cat "$work/stopped.out")"
    grep -qF "中止しました" "$work/stopped.out" || fail "Ctrl+C: $(cat "$work/stopped.out")"
    for file in "$work/bigdst/"*; do
        cmp -s "$file" "$work/bigref/$(basename "$file")" || fail "Ctrl+C left $file half-written"
    done
    [ "$(ls "$work/bigdst" | wc -l)" -lt 7 ] || fail "Ctrl+C did not stop"
fi

[ "$failures" -eq 0 ] && echo "all cases passed"
exit $((failures > 0))
