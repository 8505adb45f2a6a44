#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program's --export-csv and --import-csv on a store in a temporary
# XDG_CONFIG_HOME, with no display: a round trip of the channels and the
# library through files, the dry run and --yes, refused rows, and every bad
# file and store ending with exit status 1, a reason, and the store as it was;
# and the console itself refusing in one line to start without a display.
set -u
program=${1:?usage: csv_command_test.sh PATH/TO/volna144}
. "$(dirname "$0")/../support/session.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
export XDG_RUNTIME_DIR=$work
failures=0

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# run HOME STATUS ARGS...: the program on the store under HOME must exit STATUS.
run() {
    local home=$1 expected=$2
    shift 2
    XDG_CONFIG_HOME=$home timeout 20 "$program" "$@" >"$work/stdout" 2>"$work/stderr"
    local status=$?
    [ "$status" = "$expected" ] ||
        fail "$* exited $status, not $expected: $(cat "$work/stdout" "$work/stderr")"
}

said() { grep -qF -- "$1" "$work/stdout" "$work/stderr" || fail "no '$1' in: $(cat "$work/stdout" "$work/stderr")"; }

# A store as a run of the program leaves it, the band 144000..146000 kHz.
make_store() {
    mkdir -p "$1/VOLNA144"
    printf '%s\n' '[Flags]' 'NEW=1' 'LOCK=1' 'BACK=144000' '[Settings]' \
        'Buttom_boundary=144000' 'Top_boundary=146000' >"$1/VOLNA144/VOLNA144.conf"
}

full=$work/full
empty=$work/empty
make_store "$full"
make_store "$empty"
cat >>"$full/VOLNA144/VOLNA144.conf" <<'EOF'
[Channels(RX)]
$1=145500
$2=144800
$3=145000
[Channels(TX)]
$1=144900
$2=144800
$3=145600
[Channels(RX-cmt)]
$1=Ретранслятор центр
$2="say \"hi\" = ok"
$3=split
[Library]
$1=145000 - 145000 - lib one
$3=145600 - 145000 - lib three
EOF

# An uninitialised store is neither read nor created.
run "$work/none" 1 --export-csv=channels "$work/none.csv"
said "ещё не создано"
[ ! -e "$work/none.csv" ] || fail "an export from no store wrote a file"
[ ! -e "$work/none/VOLNA144" ] || fail "an export created a store"

# Export: CRLF, the current header, filled rows only.
run "$full" 0 --export-csv=channels "$work/channels.csv"
head -1 "$work/channels.csv" | grep -q '^Location,Name,Frequency,Duplex,Offset,.*'$'\r''$' ||
    fail "channels.csv header: $(head -1 "$work/channels.csv")"
[ "$(wc -l <"$work/channels.csv")" = 4 ] || fail "channels.csv: $(cat "$work/channels.csv")"
grep -q '^1,.*145\.500000,-,0\.600000' "$work/channels.csv" || fail "channel 1: $(cat "$work/channels.csv")"
run "$full" 0 --export-csv=library "$work/library.csv"
grep -q '^3,.*145\.600000' "$work/library.csv" || fail "library slot 3: $(cat "$work/library.csv")"

# The dry run reports and writes nothing; --yes writes, and the lists come back equal.
before=$(md5sum <"$empty/VOLNA144/VOLNA144.conf")
run "$empty" 1 --import-csv=channels "$work/channels.csv"
said "строк к записи — 3, заполненных записей они заменят — 0"
said "--yes"
[ "$(md5sum <"$empty/VOLNA144/VOLNA144.conf")" = "$before" ] || fail "the dry run wrote the store"
for list in channels library; do
    run "$empty" 0 --import-csv=$list "$work/$list.csv" --yes
    run "$empty" 0 --export-csv=$list "$work/$list-again.csv"
    cmp -s "$work/$list.csv" "$work/$list-again.csv" || fail "$list round trip: $(diff "$work/$list.csv" "$work/$list-again.csv")"
done

# A refused row: listed with its Location, nothing written even with --yes.
printf 'Location,Frequency\r\n4,145.510000\r\n5,145.000000\r\n' >"$work/refused.csv"
before=$(md5sum <"$empty/VOLNA144/VOLNA144.conf")
run "$empty" 1 --import-csv=channels "$work/refused.csv" --yes
said "Location 4: "
[ "$(md5sum <"$empty/VOLNA144/VOLNA144.conf")" = "$before" ] || fail "a refused file wrote the store"

# Bad files: missing, a directory, a device, not CSV at all; an export that cannot be written.
run "$empty" 1 --import-csv=library "$work/missing.csv"
said "не найден"
run "$empty" 1 --import-csv=library "$work"
run "$empty" 1 --import-csv=library /dev/zero
head -c 100000 /dev/urandom >"$work/noise.csv"
run "$empty" 1 --import-csv=library "$work/noise.csv"
[ "$(md5sum <"$empty/VOLNA144/VOLNA144.conf")" = "$before" ] || fail "a bad file wrote the store"
run "$full" 1 --export-csv=channels "$work/no/such/dir/x.csv"
run "$full" 1 --export-csv=channels "$work"
mkfifo "$work/fifo"
run "$full" 1 --export-csv=channels "$work/fifo"
[ -p "$work/fifo" ] || fail "an export replaced a pipe with a file"
cp "$work/channels.csv" "$work/keep.csv"
run "$full" 1 --export-csv=library "$work/keep.csv/x"
cmp -s "$work/channels.csv" "$work/keep.csv" || fail "a failed export touched another file"
ls "$work" | grep -q '\.csv\..\{6\}$' && fail "a failed export left a temporary file"

# A store that cannot be read is reported, and nothing is exported from it.
broken=$work/broken
mkdir -p "$broken/VOLNA144/VOLNA144.conf"
run "$broken" 1 --export-csv=channels "$work/broken.csv"
said "хранилище настроек недоступно"
[ ! -e "$work/broken.csv" ] || fail "an export from an unreadable store wrote a file"

# A damaged store is said on standard error and kept aside before the import
# replaces it.
printf '\x00\xff not a setting\n[Library\n' >>"$empty/VOLNA144/VOLNA144.conf"
run "$empty" 0 --import-csv=channels "$work/channels.csv" --yes
said "повреждён"
ls "$empty/VOLNA144" | grep -q 'VOLNA144.conf.damaged-' || fail "no copy of the damaged store"

# English with --lang=en, and with the choice kept in the store; --lang given
# here is not kept.
run "$work/none" 1 --export-csv=channels "$work/none.csv" --lang=en
said "has not been created yet: start volna144 once"
run "$empty" 1 --import-csv=channels "$work/refused.csv" --lang=en
said "Import into the list “Channels”: 1 row to write, replacing 0 filled entries."
said "These rows will not be imported:"
said "  Location 4: The frequency entered has the wrong format (it must be a multiple of 25)!"
said "nothing written: correct or delete the rows"
LC_ALL=C grep -q $'[\xd0\xd1]' "$work/stdout" "$work/stderr" && fail "Russian left in: $(cat "$work/stdout" "$work/stderr")"
grep -q '^Language=' "$empty/VOLNA144/VOLNA144.conf" && fail "the CSV command stored --lang"
printf '[Program]\nLanguage=en\n' >>"$empty/VOLNA144/VOLNA144.conf"
run "$empty" 1 --import-csv=library "$work/missing.csv"
said "missing.csv not found"
run "$empty" 1 --import-csv=library "$work/missing.csv" --lang=ru
said "не найден"

# A disk with one block left (a small tmpfs, where one can be mounted): the
# store (a full library, larger than the block) and an old CSV file stay as
# they were, and both commands end with status 1.
tight=$work/tight
if mount_small_disk "$tight"; then
    trap 'umount -l "$tight"; rm -rf "$work"' EXIT
    make_store "$tight"
    full_library >>"$tight/VOLNA144/VOLNA144.conf"
    echo "old,csv" >"$tight/old.csv"
    fill_but_one_block "$tight"
    before=$(md5sum <"$tight/VOLNA144/VOLNA144.conf")
    run "$tight" 1 --export-csv=library "$tight/old.csv"
    [ "$(cat "$tight/old.csv")" = old,csv ] || fail "a failed export changed the old CSV file"
    run "$tight" 1 --import-csv=channels "$work/channels.csv" --yes
    said "импорт не сохранён"
    [ "$(md5sum <"$tight/VOLNA144/VOLNA144.conf")" = "$before" ] || fail "a failed import changed the store"
    ls -A "$tight" "$tight/VOLNA144" | grep -q volna144-new && fail "a temporary file was left"
else
    echo "SKIP (one part): no tmpfs can be mounted here"
fi

# The console without a display (none, or one no X server serves): one line
# and status 1 instead of Qt's abort.
free=90
while [ -e "/tmp/.X11-unix/X$free" ] || [ -e "/tmp/.X$free-lock" ]; do free=$((free + 1)); done
ulimit -c 0
for case in "|--lang=en|no display: DISPLAY is not set" ":$free|--lang=ru|нет дисплея: "; do
    IFS='|' read -r display language said <<<"$case"
    [ -z "$display" ] || export DISPLAY=$display
    run "$full" 1 --port=sim "$language"
    [ "$(wc -l <"$work/stderr")" = 1 ] && grep -qF "volna144: $said" "$work/stderr" ||
        fail "no display (DISPLAY=$display): $(cat "$work/stderr")"
done

# The command line's refusals and --help follow --lang, else Russian.
run "$full" 2 --bogus
said "volna144: неизвестный параметр «--bogus»"
run "$full" 2 --bogus --lang=en
said "volna144: unknown option '--bogus'"
run "$full" 0 --help
said "Запуск: volna144 [--port="
run "$full" 0 --help --lang=en
said "Usage: volna144 [--port="

[ "$failures" = 0 ] || exit 1
echo "CSV from the command line: all checks passed"
