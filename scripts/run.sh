#!/usr/bin/env bash
# Builds Umbrin (installing what it needs) and starts it.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$here/scripts/setup.sh" "$here/build"
exec "$here/build/umbrin" "$@"
