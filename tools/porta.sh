#!/usr/bin/env bash
# porta.sh [ARCH...]: the handheld port. Cross-builds the engine, the game and the unit tests
# for each ARCH (mipsel and armhf by default) with Debian's cross compilers and runs the tests
# under qemu-user on SDL's dummy drivers, from this directory (data/ is the host's; the asset
# generator is not built). The target's SDL, gtest and vorbis packages are fetched by apt, with
# a private apt state for that architecture, and unpacked into build-porta/raiz-ARCH: the
# host's own packages are never touched (Debian's -dev packages of two architectures cannot be
# installed side by side). Prints how long each step took.
set -euo pipefail
cd "$(dirname "$0")/.."
JOBS=${JOBS:-$(nproc)}
arquiteturas=("$@")
[ ${#arquiteturas[@]} -gt 0 ] || arquiteturas=(mipsel armhf)

# The programs' run-time libraries with everything they need, resolved by apt; the -dev
# packages alone (their own dependencies are -dev packages the build does not use).
EXECUCAO=(libc6 libstdc++6 libsdl1.2debian libsdl-mixer1.2 libsdl-ttf2.0-0 libvorbisenc2)
DESENVOLVIMENTO=(libsdl1.2-dev libsdl-mixer1.2-dev libsdl-ttf2.0-dev libgtest-dev libgmock-dev
                 libvorbis-dev libogg-dev)
# These start the corvela binary itself, which only qemu can run here.
NAO_RODAM='^(Executavel|Pacote)\.'

tripla() {
  case $1 in
    mipsel) echo mipsel-linux-gnu ;;
    armhf) echo arm-linux-gnueabihf ;;
    *) echo "porta.sh: unknown architecture $1 (mipsel, armhf)" >&2; return 1 ;;
  esac
}

# Unpacks the target's packages into $2, once.
preparaRaiz() {
  local arch=$1 raiz=$2
  [ -f "$raiz/.pronta" ] && return 0
  local estado="$raiz.apt"
  rm -rf "$raiz" "$estado"
  mkdir -p "$estado/lists/partial" "$estado/cache/archives/partial" "$raiz"
  : > "$estado/status"
  local apt=(apt-get -q -o "APT::Architecture=$arch" -o "APT::Architectures::=$arch"
             -o "Dir::State::Lists=$estado/lists" -o "Dir::State::status=$estado/status"
             -o "Dir::Cache=$estado/cache" -o Debug::NoLocking=1)
  "${apt[@]}" update > "$estado.log" 2>&1
  "${apt[@]}" -y --no-install-recommends --download-only install "${EXECUCAO[@]}" >> "$estado.log" 2>&1
  (cd "$estado/cache/archives" && "${apt[@]}" download "${DESENVOLVIMENTO[@]}" >> "$estado.log" 2>&1)
  for deb in "$estado"/cache/archives/*.deb; do
    dpkg-deb -x "$deb" "$raiz"
  done
  rm -rf "$estado" "$estado.log"
  touch "$raiz/.pronta"
}

agora() { date +%s; }
resumo=()

t0=$(agora)
tools/dependencias.sh porta
resumo+=("host packages: $(($(agora) - t0)) s")

for arch in "${arquiteturas[@]}"; do
  t=$(tripla "$arch")
  raiz=$(pwd)/build-porta/raiz-$arch
  constr=build-porta/$arch

  t0=$(agora)
  preparaRaiz "$arch" "$raiz"
  t1=$(agora)
  cmake -S . -B "$constr" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_TOOLCHAIN_FILE="$(pwd)/cmake/toolchains/$t.cmake" -DCORVELA_RAIZ_ALVO="$raiz" \
    -DCORVELA_FERRAMENTAS=OFF -DCORVELA_BENCH=OFF > /dev/null
  cmake --build "$constr" -j"$JOBS"
  t2=$(agora)
  (cd "$constr" && SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy \
     ctest -j"$JOBS" --output-on-failure --timeout 300 -E "$NAO_RODAM")
  t3=$(agora)
  resumo+=("$arch: target packages $((t1 - t0)) s, build $((t2 - t1)) s, tests under qemu $((t3 - t2)) s")
done

printf 'porta.sh: %s\n' "${resumo[@]}"
