# 32-bit little-endian MIPS, the handheld's processor: Debian's mipsel cross compiler,
# programs run under qemu-mipsel. See comum.cmake.
set(CMAKE_SYSTEM_PROCESSOR mipsel)
set(CORVELA_TRIPLA mipsel-linux-gnu)
set(CORVELA_QEMU qemu-mipsel-static)
include(${CMAKE_CURRENT_LIST_DIR}/comum.cmake)
