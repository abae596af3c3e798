# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the scripts that set up something around a test command and take it down again.

# Ends the calling script with its usage unless it was given a command to run.
require_command() {
    if [ $# -eq 0 ]; then
        echo "usage: $0 <command> [arguments...]" >&2
        exit 2
    fi
}

# Runs the command in the background, so that a signal to the calling script reaches its trap
# at once, and exits with the command's status. While it runs, $command holds its process id
# for the caller's cleanup to kill.
run_command_and_exit() {
    "$@" &
    command=$!
    local status=0
    wait "$command" || status=$?
    command=
    exit "$status"
}
