# Manual pages written in scdoc, kept next to their program:
#   man/<name>.1.scd      English, installed to share/man/man1/<name>.1
#   man/<name>.de.1.scd   German,  installed to share/man/de/man1/<name>.1
find_program(SCDOC_PROGRAM scdoc)
if(NOT SCDOC_PROGRAM)
  message(WARNING "scdoc not found: the manual pages are not built (scripts/bootstrap.sh installs it)")
endif()
add_custom_target(manpages ALL)

function(corvina_add_manpages)
  if(NOT SCDOC_PROGRAM)
    return()
  endif()
  foreach(source IN LISTS ARGN)
    get_filename_component(file ${source} NAME)
    if(NOT file MATCHES "^([^.]+)(\\.de)?\\.([1-8])\\.scd$")
      message(FATAL_ERROR "manual page source ${file} is not named NAME[.de].SECTION.scd")
    endif()
    set(name ${CMAKE_MATCH_1})
    set(section ${CMAKE_MATCH_3})
    set(folder man${section})
    if(CMAKE_MATCH_2)
      set(folder de/man${section})
    endif()
    # Installed compressed, as Debian wants manual pages.
    set(output ${CMAKE_BINARY_DIR}/man/${folder}/${name}.${section}.gz)
    add_custom_command(OUTPUT ${output}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man/${folder}
      COMMAND ${SCDOC_PROGRAM} < ${CMAKE_CURRENT_SOURCE_DIR}/${source} | gzip -9n > ${output}
      DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${source}
      VERBATIM)
    string(MAKE_C_IDENTIFIER "man_${folder}_${name}" target)
    add_custom_target(${target} DEPENDS ${output})
    add_dependencies(manpages ${target})
    install(FILES ${output} DESTINATION ${CMAKE_INSTALL_MANDIR}/${folder})
  endforeach()
endfunction()
