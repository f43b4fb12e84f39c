# 64-bit ARM Linux, run under qemu-user.
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(COMBICALC_CROSS_TRIPLE aarch64-linux-gnu)
set(COMBICALC_CROSS_MULTIARCH aarch64-linux-gnu)
set(COMBICALC_CROSS_EMULATOR qemu-aarch64)
include(${CMAKE_CURRENT_LIST_DIR}/linux-cross.cmake)
