#!/usr/bin/env bash
# Installs what is missing, builds, then launches the program ("run") or runs every test ("test").
set -euo pipefail
cd "$(dirname "$0")"

packages=(build-essential cmake qt6-base-dev libgl-dev libgtest-dev libgmock-dev libbenchmark-dev
          fonts-dejavu-core)

install_missing() {
    local missing=()
    for package in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}"
}

build() {
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
    cmake --build build -j2
}

case "${1:-}" in
    run)
        install_missing
        build
        exec ./build/qelt-cad
        ;;
    test)
        install_missing
        build
        QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j2
        ;;
    *)
        echo "usage: bash build.sh run|test" >&2
        exit 2
        ;;
esac
