#!/usr/bin/env bash
# Installs what is missing, then builds only the program and launches it in the caller's folder
# with the arguments after "run" ("run [ARGS...]"), builds and runs every test ("test"), runs
# every test built with the address and undefined-behaviour sanitizers ("sanitize"), or built as
# a Debian package is built ("debian"). Every warning is an error here.
set -euo pipefail
caller=$PWD
cd "$(dirname "$0")"

packages=(build-essential cmake qt6-base-dev libgl-dev libgtest-dev libgmock-dev libbenchmark-dev
          librapidcheck-dev fonts-dejavu-core qt6-qpa-plugins xvfb xdotool x11-utils openbox
          desktop-file-utils dpkg-dev file librsvg2-bin groff-base appstream lintian qt6-svg-dev
          zlib1g-dev libxcb1-dev)

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

# build DIR TARGET [CMAKE_OPTION...]
build() {
    local dir=$1 target=$2
    shift 2
    cmake -S . -B "$dir" -DQELT_WERROR=ON "$@"
    cmake --build "$dir" -j2 --target "$target"
}

run_tests() {
    QT_QPA_PLATFORM=offscreen ctest --test-dir "$1" --output-on-failure -j2
}

case "${1:-}" in
    run)
        install_missing
        build build qelt-cad -DCMAKE_BUILD_TYPE=RelWithDebInfo
        # Where the program is started is where "Write && End" writes.
        program=$PWD/build/qelt-cad
        cd "$caller"
        exec "$program" "${@:2}"
        ;;
    test)
        install_missing
        build build all -DCMAKE_BUILD_TYPE=RelWithDebInfo
        run_tests build
        ;;
    sanitize)
        # Every test again, built with AddressSanitizer and UndefinedBehaviorSanitizer.
        install_missing
        build build-sanitize all -DCMAKE_BUILD_TYPE=Debug -DQELT_SANITIZE=ON
        export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
        export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
        run_tests build-sanitize
        ;;
    debian)
        # Every test again, built with Debian's compiler and linker flags and no build type of
        # CMake's own, as a package build does.
        install_missing
        build build-debian all -DCMAKE_BUILD_TYPE=None \
            -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
            -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)"
        run_tests build-debian
        ;;
    *)
        echo "usage: bash build.sh run [ARGS...]|test|sanitize|debian" >&2
        exit 2
        ;;
esac
