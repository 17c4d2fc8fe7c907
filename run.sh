#!/usr/bin/env bash
# The main job (see README.md).
exec "$(dirname "$0")/scripts/run.sh" "$@"
