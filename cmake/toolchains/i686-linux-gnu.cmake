# 32-bit x86 Linux (the project's build adds SSE2 arithmetic), run under qemu-user.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(COMBICALC_CROSS_TRIPLE i686-linux-gnu)
set(COMBICALC_CROSS_MULTIARCH i386-linux-gnu)
set(COMBICALC_CROSS_EMULATOR qemu-i386)
include(${CMAKE_CURRENT_LIST_DIR}/linux-cross.cmake)
