# comum: what the handheld toolchains share. Debian's cross compiler for CORVELA_TRIPLA, the
# target's headers and libraries from CORVELA_RAIZ_ALVO (Debian's packages for that
# architecture unpacked there by tools/porta.sh), and qemu-user to run the target's
# programs (test discovery and ctest) with that directory as the target's root.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_C_COMPILER ${CORVELA_TRIPLA}-gcc)
set(CMAKE_CXX_COMPILER ${CORVELA_TRIPLA}-g++)
set(CMAKE_LIBRARY_ARCHITECTURE ${CORVELA_TRIPLA})

if(NOT CORVELA_RAIZ_ALVO)
  set(CORVELA_RAIZ_ALVO "$ENV{CORVELA_RAIZ_ALVO}")
endif()
if(NOT CORVELA_RAIZ_ALVO)
  message(FATAL_ERROR "CORVELA_RAIZ_ALVO must name the target's unpacked packages (tools/porta.sh)")
endif()
# try_compile projects read this file again and need the root too.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES CORVELA_RAIZ_ALVO)

set(CMAKE_FIND_ROOT_PATH ${CORVELA_RAIZ_ALVO} /usr/${CORVELA_TRIPLA})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The SDL libraries' own dependencies are found in the root when linking.
string(JOIN ":" CORVELA_LIGACAO ${CORVELA_RAIZ_ALVO}/usr/lib/${CORVELA_TRIPLA}
       ${CORVELA_RAIZ_ALVO}/lib/${CORVELA_TRIPLA}
       ${CORVELA_RAIZ_ALVO}/usr/lib/${CORVELA_TRIPLA}/pulseaudio)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-Wl,-rpath-link,${CORVELA_LIGACAO}")

set(CMAKE_CROSSCOMPILING_EMULATOR ${CORVELA_QEMU} -L ${CORVELA_RAIZ_ALVO})
