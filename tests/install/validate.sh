#!/bin/sh
# validate.sh TOOL ARGS...: runs a validator, or reports the test skipped when it is missing.
[ -n "$1" ] || { echo "validator not installed"; exit 77; }
exec "$@"
