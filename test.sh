#!/usr/bin/env bash
# All tests: native sanitized core, then the Windows build under Wine.
exec "$(dirname "$0")/scripts/test.sh" "$@"
