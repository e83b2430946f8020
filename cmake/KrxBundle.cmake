# Add-on bundles as the host loads them, and the programs that host them.
#
# krx_add_bundle(<target> NAME <Name> [OUTPUT_DIR <bundle dir>]
#                SOURCES <files>... [LIBS <targets>...]
#                [RESOURCES <files>...] [RESOURCE_DIRS <dirs>...] [DEPENDS <targets>...])
#   Builds a MODULE library as <bundle dir>/Contents/MacOS/<Name> (default bundle dir:
#   ${CMAKE_CURRENT_BINARY_DIR}/<Name>.bundle) and copies RESOURCES (resource scripts, the headers
#   they include) into <bundle dir>/Contents/Resources/ and each of RESOURCE_DIRS there as a folder
#   of the same name (translations/, "Korvex Library/"). The host calls stay undefined in the module:
#   they resolve from the program that loads it.
#
# krx_link_host_sim(<target>)
#   Links the simulated host whole into an executable and exports its symbols, so that bundles the
#   executable loads find every host call in it.
include_guard(GLOBAL)
include(CheckCXXCompilerFlag)

# A GNU unique symbol (GCC's choice for some inline and template statics) pins a shared object in
# memory: dlclose would then not unload the bundle and its program-unload destructors would never
# run. Any static library of ours may be linked into a bundle, so nothing of ours uses them.
check_cxx_compiler_flag(-fno-gnu-unique KRX_HAVE_NO_GNU_UNIQUE)
if(KRX_HAVE_NO_GNU_UNIQUE)
    add_compile_options(-fno-gnu-unique)
endif()

function(krx_add_bundle target)
    cmake_parse_arguments(ARG "" "NAME;OUTPUT_DIR" "SOURCES;LIBS;RESOURCES;RESOURCE_DIRS;DEPENDS" ${ARGN})
    if(NOT ARG_NAME OR NOT ARG_SOURCES)
        message(FATAL_ERROR "krx_add_bundle(${target}): NAME and SOURCES are required")
    endif()
    set(bundle_dir "${ARG_OUTPUT_DIR}")
    if(NOT bundle_dir)
        set(bundle_dir "${CMAKE_CURRENT_BINARY_DIR}/${ARG_NAME}.bundle")
    endif()
    set(resources_dir "${bundle_dir}/Contents/Resources")

    add_library(${target} MODULE ${ARG_SOURCES})
    target_link_libraries(${target} PRIVATE krx_common krx_host ${ARG_LIBS})
    set_target_properties(${target} PROPERTIES
        PREFIX ""
        SUFFIX ""
        OUTPUT_NAME "${ARG_NAME}"
        LIBRARY_OUTPUT_DIRECTORY "${bundle_dir}/Contents/MacOS"
        CXX_VISIBILITY_PRESET hidden
        VISIBILITY_INLINES_HIDDEN ON)

    set(copied)
    foreach(file IN LISTS ARG_RESOURCES)
        get_filename_component(source "${file}" ABSOLUTE)
        get_filename_component(name "${file}" NAME)
        add_custom_command(
            OUTPUT "${resources_dir}/${name}"
            COMMAND "${CMAKE_COMMAND}" -E make_directory "${resources_dir}"
            COMMAND "${CMAKE_COMMAND}" -E copy_if_different "${source}" "${resources_dir}/${name}"
            DEPENDS "${source}"
            VERBATIM)
        list(APPEND copied "${resources_dir}/${name}")
    endforeach()
    set(folder_commands)
    foreach(dir IN LISTS ARG_RESOURCE_DIRS)
        get_filename_component(source "${dir}" ABSOLUTE)
        get_filename_component(name "${dir}" NAME)
        list(APPEND folder_commands
            COMMAND "${CMAKE_COMMAND}" -E make_directory "${resources_dir}/${name}"
            COMMAND "${CMAKE_COMMAND}" -E copy_directory "${source}" "${resources_dir}/${name}")
    endforeach()
    add_custom_target(${target}_resources
        COMMAND "${CMAKE_COMMAND}" -E make_directory "${resources_dir}"
        ${folder_commands}
        DEPENDS ${copied}
        VERBATIM)
    add_dependencies(${target} ${target}_resources)
    if(ARG_DEPENDS)
        add_dependencies(${target} ${ARG_DEPENDS})
    endif()
    set_target_properties(${target} PROPERTIES KRX_BUNDLE_DIR "${bundle_dir}")
endfunction()

function(krx_link_host_sim target)
    # The host's parts go in whole (every host call a bundle may make must be there, used by the
    # program or not). Given as plain --whole-archive options rather than a WHOLE_ARCHIVE link
    # feature, because other libraries link these same targets in the ordinary way.
    set(parts krx_host_sim)
    # The dialog toolkit is a part of the host as well: bundles call into it.
    if(TARGET krx_host_toolkit)
        list(APPEND parts krx_host_toolkit)
    endif()
    # One --whole-archive group for all parts: CMake drops repeated link options, which would leave
    # every part after the first outside the group.
    set(files)
    foreach(part IN LISTS parts)
        target_link_libraries(${target} PRIVATE ${part})
        list(APPEND files "$<TARGET_FILE:${part}>")
    endforeach()
    target_link_options(${target} PRIVATE "LINKER:--whole-archive" ${files} "LINKER:--no-whole-archive")
    set_target_properties(${target} PROPERTIES ENABLE_EXPORTS ON)
endfunction()
