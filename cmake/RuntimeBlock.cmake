# The game runtime carried inside the editor: the `tarnwick-game` executable,
# stripped of its debug sections, is embedded byte for byte into the static
# library `tarnwick_runtime_block` with an .incbin directive. Nothing is
# copied beside the editor; `core/gamebuild/embedded/runtime_block.h` gives the
# bytes.

function(tarnwick_embed_runtime runtime_target)
  set(block ${CMAKE_BINARY_DIR}/runtime_block.bin)
  add_custom_command(
    OUTPUT ${block}
    COMMAND ${CMAKE_OBJCOPY} --strip-debug $<TARGET_FILE:${runtime_target}> ${block}
    DEPENDS ${runtime_target}
    COMMENT "Taking the game runtime block")
  set(asm ${CMAKE_BINARY_DIR}/runtime_block.S)
  file(WRITE ${asm}
    "    .section .rodata\n"
    "    .balign 16\n"
    "    .global tarnwick_runtime_block_begin\n"
    "tarnwick_runtime_block_begin:\n"
    "    .incbin \"${block}\"\n"
    "    .global tarnwick_runtime_block_end\n"
    "tarnwick_runtime_block_end:\n"
    "    .section .note.GNU-stack,\"\",@progbits\n")
  set_source_files_properties(${asm} PROPERTIES OBJECT_DEPENDS ${block})
  add_library(tarnwick_runtime_block STATIC ${asm}
    ${CMAKE_SOURCE_DIR}/core/gamebuild/embedded/runtime_block.cpp)
  target_include_directories(tarnwick_runtime_block PUBLIC ${CMAKE_SOURCE_DIR}/core)
endfunction()
