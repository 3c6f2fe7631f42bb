# The game runtimes carried inside the editor and the command-line tool: the
# Linux `tarnwick-game`, stripped of its debug sections, and the Windows
# `tarnwick-game.exe` are embedded byte for byte into the static library
# `tarnwick_runtime_block` with .incbin directives. Nothing is copied beside
# the editor; `core/gamebuild/embedded/runtime_block.h` gives the bytes.

function(tarnwick_embed_runtimes linux_target windows_exe windows_target)
  set(linux_block ${CMAKE_BINARY_DIR}/runtime_block.bin)
  add_custom_command(
    OUTPUT ${linux_block}
    COMMAND ${CMAKE_OBJCOPY} --strip-debug $<TARGET_FILE:${linux_target}> ${linux_block}
    DEPENDS ${linux_target}
    COMMENT "Taking the game runtime block")
  set(asm ${CMAKE_BINARY_DIR}/runtime_block.S)
  file(WRITE ${asm}
    "    .section .rodata\n"
    "    .balign 16\n"
    "    .global tarnwick_runtime_block_begin\n"
    "tarnwick_runtime_block_begin:\n"
    "    .incbin \"${linux_block}\"\n"
    "    .global tarnwick_runtime_block_end\n"
    "tarnwick_runtime_block_end:\n"
    "    .balign 16\n"
    "    .global tarnwick_windows_runtime_block_begin\n"
    "tarnwick_windows_runtime_block_begin:\n"
    "    .incbin \"${windows_exe}\"\n"
    "    .global tarnwick_windows_runtime_block_end\n"
    "tarnwick_windows_runtime_block_end:\n"
    "    .section .note.GNU-stack,\"\",@progbits\n")
  set_source_files_properties(${asm} PROPERTIES OBJECT_DEPENDS "${linux_block};${windows_exe}")
  add_library(tarnwick_runtime_block STATIC ${asm}
    ${CMAKE_SOURCE_DIR}/core/gamebuild/embedded/runtime_block.cpp)
  add_dependencies(tarnwick_runtime_block ${windows_target})
  target_include_directories(tarnwick_runtime_block PUBLIC ${CMAKE_SOURCE_DIR}/core)
endfunction()
