# Project-wide compile settings and helpers.

# Unicode Win32, Microsoft printf semantics (%s is wide in wide formats).
add_compile_definitions(UNICODE _UNICODE WINVER=0x0601 _WIN32_WINNT=0x0601 __USE_MINGW_ANSI_STDIO=0)
add_compile_options($<$<COMPILE_LANGUAGE:CXX>:-Wall> $<$<COMPILE_LANGUAGE:CXX>:-Wextra>)

# The exe and every DLL share one C++ runtime: copy its DLLs beside the binaries,
# without the debug information that Wine would read into every process.
function(kw_copy_runtime_dlls)
    foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
        execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                        OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
        if(NOT EXISTS "${path}")
            message(FATAL_ERROR "runtime DLL ${dll} not found (${path})")
        endif()
        set(copy ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${dll})
        if(NOT EXISTS "${copy}" OR "${path}" IS_NEWER_THAN "${copy}")
            file(COPY "${path}" DESTINATION ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
            execute_process(COMMAND ${CMAKE_STRIP} --strip-debug "${copy}" RESULT_VARIABLE failed)
            if(failed)
                message(FATAL_ERROR "cannot strip ${copy}")
            endif()
        endif()
    endforeach()
endfunction()

# The build the start command runs: each module's debug information goes into
# <module>.debug beside it, where debuggers find it and Wine does not load it.
option(KW_SPLIT_DEBUG_INFO "Keep the program's debug information in .debug files" OFF)
function(kw_split_debug_info target)
    if(KW_SPLIT_DEBUG_INFO)
        add_custom_command(TARGET ${target} POST_BUILD
            COMMAND ${CMAKE_OBJCOPY} --only-keep-debug $<TARGET_FILE:${target}> $<TARGET_FILE:${target}>.debug
            COMMAND ${CMAKE_OBJCOPY} --strip-debug --add-gnu-debuglink=$<TARGET_FILE:${target}>.debug
                    $<TARGET_FILE:${target}>
            WORKING_DIRECTORY $<TARGET_FILE_DIR:${target}> VERBATIM)
    endif()
endfunction()

# windres tells Ninja nothing of the files a resource script includes: every
# script is rebuilt when any script or resource header of the project changes.
set(kw_resource_inputs)
foreach(folder common ctrls drawnctrls platform program sysutils tests tools)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.rc
         ${PROJECT_SOURCE_DIR}/${folder}/*Ids.h ${PROJECT_SOURCE_DIR}/${folder}/*Res.h)
    list(APPEND kw_resource_inputs ${found})
endforeach()
function(kw_resource_depends)
    foreach(source ${ARGN})
        if(source MATCHES "\\.rc$")
            set_property(SOURCE ${source} APPEND PROPERTY OBJECT_DEPENDS ${kw_resource_inputs})
        endif()
    endforeach()
endfunction()

# kw_add_dll(<target> <output name> <export macro> SOURCES ... [LIBS ...])
# A shared library of ours; <export macro> is defined while building it.
function(kw_add_dll target outname exportdef)
    cmake_parse_arguments(A "" "" "SOURCES;LIBS;PUBLIC_LIBS" ${ARGN})
    add_library(${target} SHARED ${A_SOURCES})
    kw_resource_depends(${A_SOURCES})
    set_target_properties(${target} PROPERTIES OUTPUT_NAME ${outname} PREFIX "")
    target_compile_definitions(${target} PRIVATE ${exportdef})
    target_include_directories(${target} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${target} PRIVATE ${A_LIBS} PUBLIC ${A_PUBLIC_LIBS})
    kw_split_debug_info(${target})
endfunction()

# kw_add_test(<name> SOURCES ... [LIBS ...] [LABELS ...] [TIMEOUT s] [RESOURCE_LOCK names...])
# A GoogleTest program run through Wine by CTest.
# Test programs run side by side, each in a copy of the prepared Wine prefix with
# a wineserver and display of its own (tests/wine-exec.sh). With KW_SHARED_DISPLAY=1
# they share one prefix and display; RESOURCE_LOCK then keeps those that touch the
# same shared thing apart. Locks in use:
#   lastport_registry  HKCU\Software\Kestrelwave "Last RS nr": every program that
#                      reads, writes or deletes it (the serial-port tests delete the key)
#   documents_folder   the user's documents folder in the registry ("Personal" of the
#                      shell folders): every program that reads it or points it elsewhere
#   preset_folder      "Kestrelwave PRESET" beside the programs: every test that puts a
#                      preset there or runs the program, which writes it to an untouched
#                      controller
#   mouse_pointer      the screen's mouse pointer: programs that move it (SetCursorPos) and
#                      those whose windows act on where it is (tooltips)
function(kw_add_test name)
    cmake_parse_arguments(A "" "TIMEOUT" "SOURCES;LIBS;LABELS;RESOURCE_LOCK" ${ARGN})
    add_executable(${name} ${A_SOURCES})
    kw_resource_depends(${A_SOURCES})
    target_link_libraries(${name} PRIVATE ${A_LIBS} kw_gtest_main)
    add_test(NAME ${name} COMMAND ${name})
    if(NOT A_TIMEOUT)
        set(A_TIMEOUT 300)
    endif()
    set_tests_properties(${name} PROPERTIES TIMEOUT ${A_TIMEOUT} LABELS "${A_LABELS}")
    if(A_RESOURCE_LOCK)
        set_tests_properties(${name} PROPERTIES RESOURCE_LOCK "${A_RESOURCE_LOCK}")
    endif()
endfunction()
