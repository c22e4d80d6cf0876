# Cross-compiling for 32-bit ARM Linux, hard float, with Debian's
# arm-linux-gnueabihf compiler against Debian's armhf packages installed
# side by side with the machine's own (multiarch). scripts/test-arm uses it
# to run the tests under qemu-arm.
#
# For the console's own toolchain, copy this file and change the triplet, the
# compilers and the places of the libraries; the console's compiler must
# understand C++20.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR arm)

set(HEDGEROW_TRIPLET arm-linux-gnueabihf)
set(CMAKE_C_COMPILER ${HEDGEROW_TRIPLET}-gcc)
set(CMAKE_CXX_COMPILER ${HEDGEROW_TRIPLET}-g++)

# Libraries are looked for in /usr/lib/arm-linux-gnueabihf, never in the
# machine's own /usr/lib/x86_64-linux-gnu.
set(CMAKE_LIBRARY_ARCHITECTURE ${HEDGEROW_TRIPLET})
set(CMAKE_IGNORE_PATH /usr/lib/x86_64-linux-gnu /lib/x86_64-linux-gnu)
# pkg-config reads the armhf .pc files (and those of HEDGEROW_PKG_CONFIG_EXTRA,
# for a library whose armhf -dev package cannot be installed beside the
# machine's own).
set(ENV{PKG_CONFIG_LIBDIR}
    "$ENV{HEDGEROW_PKG_CONFIG_EXTRA}:/usr/lib/${HEDGEROW_TRIPLET}/pkgconfig:/usr/share/pkgconfig")

# Test programs built here run under user-mode emulation, with the armhf
# loader and C library of the multiarch packages, the ones SDL was built
# against. Pointing qemu at the cross compiler's own folder instead (-L
# /usr/arm-linux-gnueabihf) pairs that folder's loader with the multiarch C
# library, and the first thread SDL starts crashes.
find_program(HEDGEROW_QEMU_ARM qemu-arm)
if(HEDGEROW_QEMU_ARM)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${HEDGEROW_QEMU_ARM})
endif()
