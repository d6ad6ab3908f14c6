#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Interrupts and fails the tool's system calls one at a time with strace, then checks the journal.
#   crash:   SIGKILL at every occurrence of every file call of a save and a delete, each run in turn until one
#            completes. The journal must be byte-identical to the old or the new version, and running the command
#            again must finish the job and leave no temporary file.
#   errors:  ENOSPC and EIO at every open, read, write, fsync, rename and close of the journal's folder, each
#            occurrence in turn. Before the rename the journal must stay as it was, with no temporary file, the
#            error on stderr, exit 1 and no success message. After the rename (the folder's open and fsync) the
#            new journal is complete, so the command reports success. The lock file's open and flock have
#            fallbacks, so there either outcome is right as long as the message matches the journal.
#   folders: a read-only folder, a journal replaced by a folder, a symlinked journal and its permission bits.
# Usage: strace_trials.sh crash|errors|folders TOOL
set -euo pipefail
mode=$1
tool=$(realpath "$2")
command -v strace >/dev/null || { echo "SKIP: strace is not installed"; exit 77; }
# LeakSanitizer cannot run under ptrace; a sanitized build would fail every traced run at exit.
export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0

work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
chmod 755 "$work"
folder=$work/journal # only the journal, its lock and its temporary file live here
mkdir "$folder"
journal=$folder/plenta.txt
temporary=$folder/.plenta.txt.tmp

# The commands under trial: a save of a new date, a save that replaces a record, a delete.
commands=(
    "save --date 2003-04-05 --temperature 36.5 --marks SE --comment spät"
    "save --date 2003-04-01 --temperature 36.7 --marks 1"
    "delete --date 2003-04-15"
)
kill_calls=(openat read write fsync fdatasync rename renameat renameat2 close flock unlink unlinkat)
error_calls=openat,read,write,fsync,fdatasync,rename,renameat,renameat2,close,flock

failures=0
trials=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

seed() {
    printf 'Tag,Temperatur,Attribut,Kommentar\r\n2003/04/01,36.4,1,\r\n2003/04/02,36.3,,\r\n' >"$journal"
    printf '2003/04/15,36.8,E,sp\xe4t\r\n2003/04/16,36.9,SX,alk\r\n' >>"$journal"
    cp "$journal" "$work/old"
}

tool_run() { # the command's words as separate arguments
    # shellcheck disable=SC2086
    "$tool" --journal "$journal" --today 2026-12-07 $1
}

# Runs the command once without interference and keeps the journal it makes.
reference() {
    seed
    tool_run "$1" >"$work/out" 2>"$work/err" || fail "'$1' fails without interference: $(cat "$work/err")"
    cp "$journal" "$work/new"
    cmp -s "$work/old" "$work/new" && fail "'$1' did not change the journal"
    seed
}

is_old() { cmp -s "$journal" "$work/old"; }
is_new() { cmp -s "$journal" "$work/new"; }

crash_trials() {
    local command call n rc killed after_rename leftovers
    for command in "${commands[@]:0:1}" "${commands[@]:2:1}"; do
        reference "$command"
        killed=0 after_rename=0 leftovers=0
        for call in "${kill_calls[@]}"; do
            for ((n = 1; ; n++)); do
                seed
                rc=0
                { strace -f -qq -o /dev/null -e trace="$call" -e inject="$call:signal=KILL:when=$n" \
                    "$tool" --journal "$journal" --today 2026-12-07 $command >/dev/null 2>&1; } 2>/dev/null ||
                    rc=$?
                trials=$((trials + 1))
                if ((rc != 137)); then
                    ((rc == 0)) && is_new || fail "'$command' with no kill at $call #$n: exit $rc or wrong journal"
                    break
                fi
                killed=$((killed + 1))
                is_old || is_new || fail "'$command' killed at $call #$n: the journal is torn or missing"
                is_new && after_rename=$((after_rename + 1))
                [ -e "$temporary" ] && leftovers=$((leftovers + 1))
                tool_run "$command" >/dev/null 2>&1 || fail "'$command' after a kill at $call #$n fails"
                is_new || fail "'$command' after a kill at $call #$n: not the new journal"
                [ ! -e "$temporary" ] || fail "'$command' after a kill at $call #$n: temporary file left"
            done
        done
        # Kills that left a temporary file or came after the rename prove the trials reached the rewrite.
        ((leftovers > 0 && after_rename > 0)) || fail "'$command': no kill fell inside the rewrite"
        echo "crash: '$command': killed at $killed system calls, each time the old or the new journal" \
            "($after_rename after the rename; $leftovers left a temporary file, removed by the next run)"
    done
}

# The occurrences of the file calls that touch the journal's folder in an undisturbed run: "call n phase", the
# phase telling whether the call comes before or after the rename, or concerns the lock file.
folder_calls() {
    seed
    strace -f -qq -y -o "$work/trace" -e trace="$error_calls" \
        "$tool" --journal "$journal" --today 2026-12-07 $1 >/dev/null 2>&1
    awk -v folder="$folder" '
        { sub(/^[0-9]+ +/, "") }
        /^[a-z0-9_]+\(/ {
            call = substr($0, 1, index($0, "(") - 1)
            n = ++count[call]
            if (index($0, folder) == 0) next
            # The read end of the journal closes unchecked once its bytes are in memory; only the temporary
            # files close is part of the rewrite.
            if (call == "close" && index($0, ".tmp>") == 0) next
            print call, n, (renamed ? "after" : index($0, ".lock") ? "lock" : "before")
            if (call ~ /^rename/) renamed = 1
        }' "$work/trace"
}

error_trials() {
    local command call n phase error rc
    for command in "${commands[@]}"; do
        reference "$command"
        local tried=0 succeeded=0 calls
        calls=$(folder_calls "$command")
        while read -r call n phase; do
            for error in ENOSPC EIO; do
                seed
                rc=0
                strace -f -qq -o /dev/null -e trace="$call" -e inject="$call:error=$error:when=$n" \
                    "$tool" --journal "$journal" --today 2026-12-07 $command >"$work/out" 2>"$work/err" || rc=$?
                trials=$((trials + 1))
                tried=$((tried + 1))
                local where="'$command' with $error at $call #$n ($phase the rename)"
                # The lock has its own fallbacks (a read-only lock file, a retry of flock): either outcome is
                # sound there, as long as the message tells the truth about the journal.
                if [ "$phase" = lock ] && ((rc == 0)); then
                    phase=after
                fi
                if [ "$phase" = after ]; then
                    ((rc == 0)) && is_new && grep -q 'Eintrag' "$work/out" ||
                        fail "$where: the complete new journal was not reported as stored"
                    succeeded=$((succeeded + 1))
                else
                    ((rc == 1)) || fail "$where: exit $rc, not 1"
                    is_old || fail "$where: the journal changed"
                    grep -q 'Fehler' "$work/err" || fail "$where: no error message on stderr"
                    grep -q 'Eintrag' "$work/out" && fail "$where: success message printed"
                fi
                [ ! -e "$temporary" ] || fail "$where: temporary file left"
            done
        done <<<"$calls"
        ((tried > 0)) || fail "'$command' made no file call in the journal's folder"
        echo "errors: '$command': $tried injected errors; $((tried - succeeded)) failed cleanly with the journal" \
            "as it was, $succeeded (after the rename or in the lock's fallbacks) stored the new journal"
    done
}

# The rewrite syncs the temporary file, renames it over the journal (never deleting the journal first) and syncs
# the folder.
check_sequence() {
    local command=$1
    seed
    strace -f -qq -y -o "$work/trace" -e trace=openat,fsync,fdatasync,rename,renameat,renameat2,unlink,unlinkat \
        "$tool" --journal "$journal" --today 2026-12-07 $command >/dev/null 2>&1
    local calls
    calls=$(awk -v j="$journal" -v t="$temporary" -v f="$folder" '
        { sub(/^[0-9]+ +/, "") }
        /^(fsync|fdatasync)\(/ && index($0, t ">") { print "sync-temporary" }
        /^rename/ && index($0, "\"" t "\"") && index($0, "\"" j "\"") { print "rename" }
        /^unlink/ && index($0, "\"" j "\"") { print "unlink-journal" }
        /^(fsync|fdatasync)\(/ && index($0, f ">") { print "sync-folder" }' "$work/trace" | tr '\n' ' ')
    [ "$calls" = "sync-temporary rename sync-folder " ] ||
        fail "'$command': rewrite calls are '$calls', not 'sync-temporary rename sync-folder'"
    trials=$((trials + 1))
}

# Runs the tool as an unprivileged user, so that file permissions hold even when the suite runs as root.
as_user() {
    if [ "$(id -u)" -eq 0 ]; then
        setpriv --reuid=65534 --regid=65534 --clear-groups "$@"
    else
        "$@"
    fi
}

folder_trials() {
    local command rc
    cp "$tool" "$work/plenta-journal" # reachable by the unprivileged user
    for command in "${commands[@]}"; do
        check_sequence "$command"

        seed
        chmod 555 "$folder"
        rc=0
        as_user "$work/plenta-journal" --journal "$journal" --today 2026-12-07 $command >"$work/out" \
            2>"$work/err" || rc=$?
        chmod 755 "$folder"
        ((rc == 1)) && grep -q Fehler "$work/err" || fail "'$command' in a read-only folder: exit $rc"
        is_old && [ ! -e "$temporary" ] || fail "'$command' in a read-only folder changed it"

        rm -f "$journal"
        mkdir "$journal"
        echo inside >"$journal/file"
        rc=0
        tool_run "$command" >"$work/out" 2>"$work/err" || rc=$?
        ((rc == 1)) && grep -q Fehler "$work/err" || fail "'$command' on a folder for a journal: exit $rc"
        [ -d "$journal" ] && [ "$(cat "$journal/file")" = inside ] && [ ! -e "$temporary" ] ||
            fail "'$command' on a folder for a journal changed it"
        rm -rf "$journal"

        reference "$command"
        mv "$journal" "$folder/target.txt"
        ln -s target.txt "$journal"
        chmod 640 "$folder/target.txt"
        tool_run "$command" >/dev/null 2>&1 || fail "'$command' on a symlinked journal fails"
        [ -L "$journal" ] && cmp -s "$folder/target.txt" "$work/new" ||
            fail "'$command' on a symlinked journal did not rewrite its target"
        [ "$(stat -c %a "$folder/target.txt")" = 640 ] || fail "'$command' lost the journal's permission bits"
        rm -f "$journal" "$folder/target.txt"
        trials=$((trials + 4))
    done
    echo "folders: read-only folder, folder for a journal, symlink and permission bits hold for each command"
}

case $mode in
crash) crash_trials ;;
errors) error_trials ;;
folders) folder_trials ;;
*)
    echo "usage: $0 crash|errors|folders TOOL"
    exit 2
    ;;
esac
echo "$mode: $trials trials, $failures failures"
((failures == 0))
