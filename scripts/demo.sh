#!/usr/bin/env bash
# The main job: builds korvex-inspect and runs it on the bundled example batch (examples/), printing every
# element the add-on would queue as one JSON line: first the interface file as it stands, then the same
# batch on a project's first load (--kpj), which also reads the project file it names.
#   scripts/demo.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

"$root/scripts/setup.sh"
"$root/scripts/build.sh" dev korvex-inspect >/dev/null

tool="$root/build/dev/tools/korvex-inspect/korvex-inspect"
# The example's paths are relative to its folder, as the add-on resolves them against the working directory.
cd "$root/examples"
echo "==> korvex-inspect korvexplexa.vsq" >&2
"$tool" korvexplexa.vsq
echo "==> korvex-inspect --kpj korvexplexa.vsq" >&2
"$tool" --kpj korvexplexa.vsq
