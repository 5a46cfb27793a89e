# latica_text_file(<source> <destination>)
# Converts a UTF-8 text file of the repository into CP932 with CR LF line ends at
# <destination>, a path relative to the program folder, and hangs it on latica_data.
function(latica_text_file source destination)
  set(out ${LATICA_PROGRAM_DIR}/${destination})
  get_filename_component(out_dir ${out} DIRECTORY)
  add_custom_command(
    OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${out_dir}
    COMMAND textconv ${source} ${out}
    DEPENDS ${source} textconv
    COMMENT "Converting ${destination} to CP932"
    VERBATIM)
  # Non-ASCII names collapse in a C identifier; a hash keeps targets apart.
  string(MD5 hash "${destination}")
  string(SUBSTRING "${hash}" 0 12 hash)
  string(MAKE_C_IDENTIFIER "data_${destination}" readable)
  set(target "${readable}_${hash}")
  add_custom_target(${target} DEPENDS ${out})
  add_dependencies(latica_data ${target})
endfunction()
