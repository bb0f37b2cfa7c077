#!/usr/bin/env bash
# Installs the Debian packages from scripts/debian-packages.txt that are not
# installed yet. Silent when nothing is missing; never prompts.
set -euo pipefail

list="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/debian-packages.txt"

missing=()
while IFS= read -r line || [[ -n $line ]]; do
    pkg=${line%%#*}
    pkg=${pkg//[[:space:]]/}
    [[ -n $pkg ]] || continue
    status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
    [[ $status == "install ok installed" ]] || missing+=("$pkg")
done <"$list"

((${#missing[@]} == 0)) && exit 0

if ((EUID == 0)); then
    as_root=()
elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
    as_root=(sudo -n)
else
    echo "ensure-deps: these Debian packages are missing: ${missing[*]}" >&2
    echo "ensure-deps: install them as root (apt-get install ${missing[*]}) and try again." >&2
    exit 1
fi

echo "ensure-deps: installing ${missing[*]}" >&2
# A bounded wait for the dpkg lock, in case another apt run holds it.
apt_opts=(-o DPkg::Lock::Timeout=300 -o Dpkg::Options::=--force-confdef -o Dpkg::Options::=--force-confold)
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get "${apt_opts[@]}" -qq update </dev/null
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get "${apt_opts[@]}" -y -q \
    --no-install-recommends install "${missing[@]}" </dev/null
