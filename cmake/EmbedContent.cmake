# lt_embed_content(<target> <symbol> <file>)
# Compiles <file> into <target> as a function
#   std::string_view content::<symbol>()
# so the program carries its prose and reads no file at run time.
set(LT_EMBED_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/EmbedFile.cmake)

function(lt_embed_content target symbol file)
  get_filename_component(abs ${file} ABSOLUTE)
  set(out ${CMAKE_CURRENT_BINARY_DIR}/embedded_${symbol}.cpp)
  add_custom_command(
    OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -DIN=${abs} -DOUT=${out} -DSYMBOL=${symbol} -P ${LT_EMBED_SCRIPT}
    DEPENDS ${abs} ${LT_EMBED_SCRIPT}
    COMMENT "Embedding ${file}"
    VERBATIM)
  target_sources(${target} PRIVATE ${out})
endfunction()
