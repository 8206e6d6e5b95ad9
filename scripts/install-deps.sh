#!/usr/bin/env bash
# Installs the Debian packages the build needs, when they are missing.
set -euo pipefail
# clang and its compiler runtime (libFuzzer, sanitizers) build the fuzz targets; GNU parallel
# runs the scale-out recipe's test; Qt 6 builds the desktop program. help2man makes the man
# page from the help texts; dpkg-dev (dpkg-shlibdeps) and file let CPack's Debian generator
# work out the package's dependencies; desktop-file-validate checks the desktop entry.
# nlohmann-json writes the results file; python3-jsonschema validates it against its schema
# in a test.
packages=(g++ cmake make libgtest-dev libgmock-dev libbenchmark-dev libcli11-dev clang
  libclang-rt-14-dev parallel qt6-base-dev qt6-charts-dev help2man dpkg-dev file
  desktop-file-utils nlohmann-json3-dev python3-jsonschema)
missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi
echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
