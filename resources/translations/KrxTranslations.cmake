# Compiling Qt Linguist sources (.ts) into the compiled translation files (.qm) the add-on loads.
# The compiled files are build products and are never committed.
#
# krx_compile_translations(<target> OUTPUT_DIR <dir> TS_FILES <file.ts>...)
#   compiles each source into <dir>/<name>.qm and adds <target>, built by default, that produces them.
# krx_lrelease_command(<file.ts> <output file>)
#   one compile step for an output named freely; a target must depend on the output.

find_package(Qt6 COMPONENTS LinguistTools QUIET)
if(TARGET Qt6::lrelease)
    set(KRX_LRELEASE Qt6::lrelease)
else()
    find_program(KRX_LRELEASE_PROGRAM NAMES lrelease-qt6 lrelease HINTS /usr/lib/qt6/bin REQUIRED)
    set(KRX_LRELEASE "${KRX_LRELEASE_PROGRAM}")
endif()

function(krx_lrelease_command ts output)
    get_filename_component(ts_path "${ts}" ABSOLUTE)
    get_filename_component(output_dir "${output}" DIRECTORY)
    get_filename_component(output_name "${output}" NAME)
    add_custom_command(
        OUTPUT "${output}"
        COMMAND "${CMAKE_COMMAND}" -E make_directory "${output_dir}"
        COMMAND ${KRX_LRELEASE} -silent "${ts_path}" -qm "${output}"
        DEPENDS "${ts_path}"
        COMMENT "Compiling translation ${output_name}"
        VERBATIM)
endfunction()

function(krx_compile_translations target)
    cmake_parse_arguments(ARG "" "OUTPUT_DIR" "TS_FILES" ${ARGN})
    if(NOT ARG_OUTPUT_DIR OR NOT ARG_TS_FILES)
        message(FATAL_ERROR "krx_compile_translations(${target}): OUTPUT_DIR and TS_FILES are required")
    endif()
    set(qm_files)
    foreach(ts IN LISTS ARG_TS_FILES)
        get_filename_component(ts_name "${ts}" NAME_WE)
        set(qm "${ARG_OUTPUT_DIR}/${ts_name}.qm")
        krx_lrelease_command("${ts}" "${qm}")
        list(APPEND qm_files "${qm}")
    endforeach()
    add_custom_target(${target} ALL DEPENDS ${qm_files})
endfunction()
