# 32-bit ARM with hardware floating point: Debian's armhf cross compiler, programs run under
# qemu-arm. See comum.cmake.
set(CMAKE_SYSTEM_PROCESSOR arm)
set(CORVELA_TRIPLA arm-linux-gnueabihf)
set(CORVELA_QEMU qemu-arm-static)
include(${CMAKE_CURRENT_LIST_DIR}/comum.cmake)
