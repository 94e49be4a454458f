# Sourced by the scripts: the Windows architectures this machine runs, x64 and x86, found by
# starting a tiny program of each word size, and narrowed by BLUEREEF_ARCHS (for example
# BLUEREEF_ARCHS=x64, to prove the 64-bit-only path on a machine that runs both).
# shellcheck shell=bash

# elf_runs BITS: starts a Linux program of 32 or 64 bits that only exits with code 42. The kernel
# runs it or refuses it ("Exec format error"), as it runs or refuses Wine's loader of that size.
elf_runs() {
  local program code=0
  program=$(mktemp)
  # ELF header, one loadable segment, then: mov $1,%eax; mov $42,%ebx; int $0x80 (exit, 32-bit)
  # or mov $60,%eax; mov $42,%edi; syscall (exit, 64-bit).
  if [ "$1" = 32 ]; then
    printf '\177ELF\1\1\1\0\0\0\0\0\0\0\0\0\2\0\3\0\1\0\0\0\124\200\4\010\064\0\0\0\0\0\0\0\0\0\0\0\064\0\040\0\1\0\0\0\0\0\0\0''\1\0\0\0\0\0\0\0\0\200\4\010\0\200\4\010\140\0\0\0\140\0\0\0\5\0\0\0\0\020\0\0''\270\1\0\0\0\273\052\0\0\0\315\200' >"$program"
  else
    printf '\177ELF\2\1\1\0\0\0\0\0\0\0\0\0\2\0\076\0\1\0\0\0\170\0\100\0\0\0\0\0\100\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\100\0\070\0\1\0\0\0\0\0\0\0''\1\0\0\0\5\0\0\0\0\0\0\0\0\0\0\0\0\0\100\0\0\0\0\0\0\0\100\0\0\0\0\0\204\0\0\0\0\0\0\0\204\0\0\0\0\0\0\0\0\020\0\0\0\0\0\0''\270\074\0\0\0\277\052\0\0\0\017\005' >"$program"
  fi
  chmod +x "$program"
  "$program" 2>/dev/null || code=$?
  rm -f "$program"
  [ "$code" = 42 ]
}

# wine32_installed: whether the 32-bit half of Wine is installed. scripts/install-deps.sh installs
# it wherever the kernel runs 32-bit code, and says so when the package sources cannot give it.
wine32_installed() {
  dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q 'install ok installed'
}

# resolve_archs [--to-install]: sets the array bluereef_archs to the architectures to build for,
# run and test, 64-bit first, and exports them as BLUEREEF_ARCHS: those whose code the kernel runs
# and, but with --to-install (the architectures to install Wine for), whose Wine is installed.
# Fails when BLUEREEF_ARCHS asks for one that this machine cannot run.
resolve_archs() {
  local runnable=() arch
  elf_runs 64 && runnable+=(x64)
  elf_runs 32 && { [ "${1:-}" = --to-install ] || wine32_installed; } && runnable+=(x86)
  if [ -z "${BLUEREEF_ARCHS:-}" ]; then
    bluereef_archs=("${runnable[@]}")
  else
    bluereef_archs=()
    for arch in x64 x86; do
      [[ " ${BLUEREEF_ARCHS//,/ } " == *" $arch "* ]] || continue
      if [[ " ${runnable[*]} " != *" $arch "* ]]; then
        echo "BLUEREEF_ARCHS asks for $arch, which this machine cannot run" >&2
        return 1
      fi
      bluereef_archs+=("$arch")
    done
  fi
  if [ ${#bluereef_archs[@]} -eq 0 ]; then
    echo "No Windows architecture to run here (BLUEREEF_ARCHS takes x64 and x86)" >&2
    return 1
  fi
  export BLUEREEF_ARCHS="${bluereef_archs[*]}"
}

# runs_arch ARCH: whether resolve_archs chose ARCH.
runs_arch() {
  [[ " ${bluereef_archs[*]} " == *" $1 "* ]]
}
