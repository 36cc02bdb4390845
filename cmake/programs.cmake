# Where a build tree's programs lie, in one file of the tree: programs.env,
# a line NAME=PATH for each program. The scripts (scripts/built-program) and
# the end-to-end harness read it, and a tree that runs another tree's menu
# and tool reads that tree's. startart and startart-pack are the menu and the
# tool that this tree's tests and scripts run: the release build's, where
# STARTART_RELEASE_BUILD names one.

# startart_built_program(BUILD NAME VARIABLE): the path of the program NAME
# in the build tree BUILD, which must have been configured before.
function(startart_built_program build name variable)
    if(NOT EXISTS ${build}/programs.env)
        message(FATAL_ERROR "${build}/programs.env is missing: configure that build first")
    endif()
    file(STRINGS ${build}/programs.env lines REGEX "^${name}=")
    if(NOT lines)
        message(FATAL_ERROR "${build}/programs.env names no ${name}")
    endif()
    string(REGEX REPLACE "^${name}=" "" path "${lines}")
    set(${variable} ${path} PARENT_SCOPE)
endfunction()

# startart_write_programs(): writes programs.env once every target is known.
function(startart_write_programs)
    set(lines "startart-pack=${STARTART_PACK_UNDER_TEST}\n")
    if(TARGET startart)
        string(APPEND lines "startart=${STARTART_MENU_UNDER_TEST}\n")
    endif()
    foreach(program e2e-probe recorder startup-bench hover-bench empty-window picture-window)
        if(TARGET ${program})
            string(APPEND lines "${program}=$<TARGET_FILE:${program}>\n")
        endif()
    endforeach()
    file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/programs.env CONTENT "${lines}")
endfunction()
