# Shared by the scripts in this folder; sourced, never run on its own:
#   script_name=NAME
#   source "$(dirname "$0")/lib.sh"
# NAME starts every message. Gives the checkout's folder, the version, and
# the helpers for messages, steps, time limits and packages.
# shellcheck shell=bash

# The checkout's top folder.
source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# The version, read once from the project() line of CMakeLists.txt.
version=$(sed -n 's/^project(Ardentix VERSION \([0-9.]*\).*/\1/p' "$source_dir/CMakeLists.txt")
if [ -z "$version" ]; then
    printf '%s: no version in %s\n' "${script_name:-lib.sh}" "$source_dir/CMakeLists.txt" >&2
    exit 1
fi

# absolute PATH: PATH, relative to the current folder unless it is absolute.
absolute() { case $1 in /*) printf '%s\n' "$1" ;; *) printf '%s\n' "$PWD/$1" ;; esac; }

# say TEXT...: a message, after the script's name.
say() { printf '%s: %s\n' "$script_name" "$*"; }

# elapsed SECONDS: as 3m07s.
elapsed() { printf '%dm%02ds' $(($1 / 60)) $(($1 % 60)); }

# step NAME: starts a step, which a failure names; says how long the script
# has run (since $started: the script's start, or else lib.sh's).
started=${started:-$(date +%s)}
step=starting
step() {
    step=$1
    say "== $1 ($(elapsed $(($(date +%s) - started))))"
}

# limit SECONDS COMMAND...: the command, stopped after SECONDS (and killed
# $limit_grace seconds later, 30 unless set); says so.
limit() {
    local seconds=$1 status=0
    shift
    timeout --kill-after="${limit_grace:-30}" "$seconds" "$@" || status=$?
    if [ "$status" -eq 124 ] || [ "$status" -eq 137 ]; then
        say "timed out after ${seconds}s in step \"$step\": $*" >&2
    fi
    return "$status"
}

# report_exit STATUS: on a failed exit, which step failed and how.
report_exit() {
    if [ "$1" -eq 124 ] || [ "$1" -eq 137 ]; then
        say "FAILED in step \"$step\": timed out" >&2
    elif [ "$1" -ne 0 ]; then
        say "FAILED in step \"$step\" (exit status $1)" >&2
    fi
}

# as_root COMMAND...: the command as root, through sudo unless root already.
as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# install_missing UPDATE_SECONDS INSTALL_SECONDS PACKAGE...: installs the
# Debian packages that are not installed yet.
install_missing() {
    local update=$1 install=$2 p missing=()
    shift 2
    for p in "$@"; do
        [ "$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null)" = "install ok installed" ] || missing+=("$p")
    done
    [ "${#missing[@]}" -gt 0 ] || return 0
    say "installing ${missing[*]}"
    as_root timeout "$update" apt-get update -qq
    as_root timeout "$install" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
}
