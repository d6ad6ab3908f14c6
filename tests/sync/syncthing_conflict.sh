#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Two real Syncthing instances on loopback share the journal's folder. Both save a different day while the
# folder is paused; when they meet, Syncthing keeps one journal and renames the other into a conflict copy.
# `plenta-journal conflicts` must list the copy and `plenta-journal merge` bring both days into the journal.
# With conflict copies switched off, the save Syncthing drops must be listed by `plenta-journal missing` on its
# device and brought back by `plenta-journal restore`.
#
# Nothing leaves the machine: no global or local discovery, no relays, no NAT traversal, no usage or crash
# reports, no upgrade checks; each instance listens and serves its API on 127.0.0.1 only.
# Usage: syncthing_conflict.sh PLENTA_JOURNAL   (exit 77 when syncthing, curl or jq is missing: skipped)
set -euo pipefail
tool=$1
for program in syncthing curl jq; do
    command -v "$program" >/dev/null || { echo "skipped: $program is not installed"; exit 77; }
done

# A proxy from the environment would carry even loopback traffic of curl or Syncthing elsewhere.
unset http_proxy https_proxy all_proxy HTTP_PROXY HTTPS_PROXY ALL_PROXY

limit=${SYNC_TEST_SECONDS:-120}
deadline=$((SECONDS + limit))
work=$(mktemp -d "${TMPDIR:-/tmp}/plenta-sync.XXXXXX")
pids=()
cleanup() {
    local status=$?
    local pid tries
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    # Syncthing ends within a moment of SIGTERM; one that does not is killed outright.
    for pid in "${pids[@]}"; do
        for ((tries = 0; tries < 50; ++tries)); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
        kill -KILL "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    if ((status != 0)); then
        for log in "$work"/*/syncthing.log; do
            echo "---- $log (last lines)"
            tail -n 40 "$log" || true
        done
    fi
    if [[ -n ${KEEP_SYNC_LOGS:-} ]]; then
        cat "$work"/*/syncthing.log >"$KEEP_SYNC_LOGS"
    fi
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Waits until the command succeeds, polling; fails the test once the overall time is up.
wait_for() {
    local what=$1
    shift
    until "$@" >/dev/null 2>&1; do
        ((SECONDS < deadline)) || fail "timed out after ${limit} s waiting for $what"
        sleep 0.3
    done
}

used_ports=" "
# A port nothing listens on; ports handed out before are not handed out again.
free_port() {
    local port
    while :; do
        port=$((20000 + RANDOM % 40000))
        [[ $used_ports == *" $port "* ]] && continue
        if ! (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; then
            used_ports+="$port "
            echo "$port"
            return
        fi
    done
}

declare -A gui key id listen folder
api() { # instance method path [json]
    local instance=$1 method=$2 path=$3
    curl -sSf --noproxy "*" --max-time 10 -X "$method" -H "X-API-Key: ${key[$instance]}" \
        ${4:+-H "Content-Type: application/json" --data "$4"} "http://127.0.0.1:${gui[$instance]}/rest/$path"
}

# The options a fresh config has, turned to loopback only.
loopback_only() {
    sed -i \
        -e "s|<listenAddress>default</listenAddress>|<listenAddress>tcp://127.0.0.1:$2</listenAddress>|" \
        -e 's|<globalAnnounceEnabled>true<|<globalAnnounceEnabled>false<|' \
        -e 's|<localAnnounceEnabled>true<|<localAnnounceEnabled>false<|' \
        -e 's|<relaysEnabled>true<|<relaysEnabled>false<|' \
        -e 's|<natEnabled>true<|<natEnabled>false<|' \
        -e 's|<startBrowser>true<|<startBrowser>false<|' \
        -e 's|<urAccepted>0<|<urAccepted>-1<|' \
        -e 's|<autoUpgradeIntervalH>[0-9]*<|<autoUpgradeIntervalH>0<|' \
        -e 's|<crashReportingEnabled>true<|<crashReportingEnabled>false<|' \
        -e 's|<stunKeepaliveStartS>[0-9]*<|<stunKeepaliveStartS>0<|' \
        -e 's|<stunServer>default</stunServer>||' \
        -e 's|<announceLANAddresses>true<|<announceLANAddresses>false<|' \
        "$1"
    for setting in "listenAddress>tcp://127.0.0.1" "globalAnnounceEnabled>false" "localAnnounceEnabled>false" \
        "relaysEnabled>false" "natEnabled>false" "urAccepted>-1"; do
        grep -q "<$setting" "$1" || fail "could not set $setting in $1"
    done
}

start_instance() {
    local instance=$1 home=$work/$1/home
    mkdir -p "$work/$instance"
    folder[$instance]=$work/$instance/Sync
    gui[$instance]=$(free_port)
    listen[$instance]=$(free_port)
    key[$instance]=plenta-test-$instance-$RANDOM$RANDOM
    id[$instance]=$(HOME=$work/$instance syncthing generate --home="$home" --no-default-folder \
        --skip-port-probing 2>&1 | sed -n 's/.*Device ID: *//p')
    [[ -n ${id[$instance]} ]] || fail "no device id for $instance"
    loopback_only "$home/config.xml" "${listen[$instance]}"
    HOME=$work/$instance STNOUPGRADE=1 STNODEFAULTFOLDER=1 syncthing serve --home="$home" --no-browser \
        --no-restart --no-upgrade --gui-address="http://127.0.0.1:${gui[$instance]}" \
        --gui-apikey="${key[$instance]}" --logfile="$work/$instance/syncthing.log" >/dev/null 2>&1 &
    pids+=($!)
}

# The other device as the interface adds it: its defaults, the id, a name and its one loopback address.
add_device() {
    local instance=$1 other=$2 device
    device=$(api "$instance" GET config/defaults/device | jq --arg id "${id[$other]}" --arg name "$other" \
        --arg address "tcp://127.0.0.1:${listen[$other]}" '.deviceID = $id | .name = $name | .addresses = [$address]')
    api "$instance" POST config/devices "$device" >/dev/null
}

# The folder as the interface makes it: its defaults, an id, a label and a path, shared with the other device.
add_folder() {
    local instance=$1 other=$2 made
    made=$(api "$instance" GET config/defaults/folder | jq --arg path "${folder[$instance]}" \
        --arg other "${id[$other]}" '.id = "plenta" | .label = "Plenta" | .path = $path
            | .devices += [{deviceID: $other, introducedBy: "", encryptionPassword: ""}]')
    api "$instance" POST config/folders "$made" >/dev/null
}

set_paused() {
    api "$1" PATCH config/folders/plenta "{\"paused\": $2}" >/dev/null
}

journal() { echo "${folder[$1]}/plenta.txt"; }

# Each device keeps its own history of Plenta's changes in its own root folder, outside the synced folder.
on() { # instance tool-arguments...
    local instance=$1
    shift
    LC_ALL=C.UTF-8 PLENTA_ROOT=$work/$instance/root "$tool" --journal "$(journal "$instance")" "$@"
}

save() { # instance date temperature
    on "$1" save --date "$2" --temperature "$3" >/dev/null
}

rescan() {
    api "$1" POST "db/scan?folder=plenta" >/dev/null
}

same_journal() {
    cmp -s "$(journal a)" "$(journal b)"
}

copy_present() {
    compgen -G "${folder[a]}/plenta.sync-conflict-*.txt" >/dev/null &&
        compgen -G "${folder[b]}/plenta.sync-conflict-*.txt" >/dev/null
}

connected() {
    [[ $(api a GET system/connections | jq --arg b "${id[b]}" '.connections[$b].connected') == true ]]
}

folder_idle() {
    [[ $(api "$1" GET "db/status?folder=plenta" | jq -r '.state') == idle ]] &&
        [[ $(api "$1" GET "db/completion?device=${id[$2]}&folder=plenta" | jq -r '.completion') == 100 ]]
}

start_instance a
start_instance b
wait_for "the API of a" api a GET system/ping
wait_for "the API of b" api b GET system/ping
add_device a b
add_device b a
for instance in a b; do
    mkdir -p "${folder[$instance]}"
    # The lines the documentation asks for: Plenta's lock and temporary file stay on their device.
    printf '.plenta.txt.lock\n.plenta.txt.tmp\n' >"${folder[$instance]}/.stignore"
done
add_folder a b
add_folder b a
wait_for "the devices to connect" connected

# A first day everyone has.
save a 2026-12-01 36.5
rescan a
wait_for "the first journal to reach b" same_journal

# Apart: each device saves another day.
set_paused a true
set_paused b true
save a 2026-12-02 36.6
sleep 1.1 # different modification times, as two real devices have
save b 2026-12-03 36.7
set_paused a false
set_paused b false
rescan a
rescan b
wait_for "the conflict copy on both devices" copy_present
wait_for "a to be in sync with b" folder_idle a b
wait_for "b to be in sync with a" folder_idle b a
wait_for "both journals to be the same" same_journal

copy=$(compgen -G "${folder[a]}/plenta.sync-conflict-*.txt" | head -n 1)
listing=$(on a conflicts)
echo "$listing"
[[ $listing == *"$(basename "$copy") (syncthing): 1 Eintrag, der dem Tagebuch fehlt, 0 Einträge weichen ab"* ]] ||
    fail "conflicts did not list the copy with the one missing day"

# Which day the journal lacks depends on which device Syncthing took for the winner; both must be there.
on a merge "$copy"
rows=$(on a export)
echo "$rows"
for day in 2026-12-01,36.5 2026-12-02,36.6 2026-12-03,36.7; do
    [[ $rows == *"$day,"* ]] || fail "the merged journal lacks $day"
done
[[ $(on a conflicts) == *"0 Einträge, die dem Tagebuch fehlen"* ]] ||
    fail "after the merge the copy still holds something the journal lacks"

# The merged journal travels back to b like any save.
rescan a
wait_for "the merged journal to reach b" same_journal
echo "PASS: two Syncthing devices, one conflict copy, both days merged in $SECONDS s"

# A round of saves on both devices while connected and while apart, set up as the documentation asks: file
# versioning on, maxConflicts -1, and conflicts no closer than a second. (Syncthing names a conflict copy to the
# second; a second conflict on the same device within it renames over the first copy, which no versioning
# keeps: seen here with rounds 0.3 s apart.) After the merge of both devices' live copies and versions no save
# is lost.
for instance in a b; do
    api "$instance" PATCH config/folders/plenta \
        '{"maxConflicts": -1, "versioning": {"type": "simple", "params": {"keep": "1000", "cleanoutDays": "0"}}}' \
        >/dev/null
done
wait_for "a to be in sync with b" folder_idle a b
saved=()
day=10
save_both() { # the two devices save one new day each
    save a "2026-12-$day" 36.1
    save b "2026-12-$((day + 1))" 36.2
    saved+=("2026-12-$day,36.1" "2026-12-$((day + 1)),36.2")
    day=$((day + 2))
}
in_sync() {
    wait_for "a to be in sync with b" folder_idle a b
    wait_for "b to be in sync with a" folder_idle b a
    wait_for "both journals to be the same" same_journal
}
for round in 1 2 3; do
    save_both
    rescan a
    rescan b
    in_sync
    sleep 1.1
done
set_paused a true
set_paused b true
for round in 1 2; do
    save_both
done
set_paused a false
set_paused b false
rescan a
rescan b
in_sync
mapfile -t files < <(for instance in a b; do
    on "$instance" conflicts --json | jq -r '.copies[].path'
done | sort -u)
echo "merging ${#files[@]} live copies and kept versions"
((${#files[@]} == 0)) || on a merge "${files[@]}" >/dev/null
rows=$(on a export)
lost=0
for entry in "${saved[@]}"; do
    [[ $rows == *"$entry,"* ]] || { echo "lost: $entry"; lost=$((lost + 1)); }
done
echo "versioning round: ${#saved[@]} saves, $lost lost after merging live copies and kept versions"
((lost == 0)) || fail "$lost saves lost with versioning on"
echo "PASS: versioning round in $SECONDS s"

# Conflict copies switched off (maxConflicts 0) and no versioning: Syncthing keeps the newer journal and drops
# the other device's save without a trace in the folder. The device that made the save finds it missing in
# its own history and restores it; the restored journal travels to the other device like any save.
rescan a
in_sync
for instance in a b; do
    api "$instance" PATCH config/folders/plenta '{"maxConflicts": 0, "versioning": {"type": ""}}' >/dev/null
done
set_paused a true
set_paused b true
save a 2026-12-28 36.3
sleep 1.1
save b 2026-12-29 36.4
set_paused a false
set_paused b false
rescan a
rescan b
in_sync
restored=0
for instance in a b; do
    listed=$(on "$instance" missing --json | jq -r '.missing[].date')
    [[ -z $listed ]] && continue
    echo "missing on $instance: $listed"
    on "$instance" restore --all
    restored=$((restored + 1))
done
((restored == 1)) || fail "expected the dropped save to be missing on exactly one device, found $restored"
rescan a
rescan b
in_sync
rows=$(on b export)
for day in 2026-12-28,36.3 2026-12-29,36.4; do
    [[ $rows == *"$day,"* ]] || fail "after the restore the journal lacks $day"
done
echo "PASS: a save dropped without a conflict copy was listed as missing and restored in $SECONDS s"
