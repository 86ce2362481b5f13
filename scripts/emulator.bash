# Sourced by scripts/run and scripts/screenshots: the analyser emulator (build/analyser-emu)
# on a pseudo-terminal, its console on a named pipe that this shell keeps open (the emulator
# ends when its standard input does).
#
#   start_emulator FOLDER [ARGS...]   starts it with ARGS, its pipe and output in FOLDER;
#                                     sets $device (the pseudo-terminal to give the program),
#                                     $emulator_console (the pipe to write commands to) and
#                                     $emulator_output (the file of what it prints)
#   emulator_commands "CMD; CMD"      sends console commands (tools/analyser-emu/README.md)
#   stop_emulator                     ends it
# shellcheck shell=bash disable=SC2154 # $root, the repository, is set by the sourcing script

emulator_pid=""

start_emulator() {
  local folder="$1"
  shift
  emulator_console="$folder/emu-in" emulator_output="$folder/emu-out"
  rm -f "$emulator_console" "$emulator_output"
  mkfifo "$emulator_console"
  "$root/build/analyser-emu" "$@" <"$emulator_console" >"$emulator_output" &
  emulator_pid=$!
  exec 3>"$emulator_console"
  for _ in $(seq 100); do
    [ -s "$emulator_output" ] && break
    sleep 0.1
  done
  device="$(head -n 1 "$emulator_output")"
  [ -n "$device" ] || { echo "The analyser emulator did not start." >&2; exit 1; }
}

emulator_commands() {
  local command
  IFS=';' read -ra commands <<<"$1"
  for command in "${commands[@]}"; do
    command="$(trim "$command")"
    [ -z "$command" ] || echo "$command" >&3
  done
}

stop_emulator() {
  { exec 3>&-; } 2>/dev/null || true
  [ -z "$emulator_pid" ] || kill "$emulator_pid" 2>/dev/null || true
  [ -z "$emulator_pid" ] || wait "$emulator_pid" 2>/dev/null || true
  emulator_pid=""
}

# $1 without its leading and trailing blanks.
trim() {
  local s="$1"
  s="${s#"${s%%[![:space:]]*}"}"
  echo "${s%"${s##*[![:space:]]}"}"
}
