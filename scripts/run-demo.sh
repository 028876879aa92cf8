#!/usr/bin/env bash
# Installs what is missing, builds, makes the demo data folder when there is
# none (demo-data/), and starts the monitor in it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
root="$(pwd)"
demo="$root/demo-data"
if [ ! -d "$demo" ]; then
  mkdir -p "$demo"
  if [ -x build/tools/make-demo-data ]; then
    build/tools/make-demo-data "$demo"
  fi
fi
cd "$demo"
exec "$root/build/shell/moniteur-caisses"
