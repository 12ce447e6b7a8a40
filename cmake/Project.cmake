# Shared build settings and the helpers that every folder uses to declare its targets and tests.

set(FV_WINDOWS ${WIN32})
set(FV_DIST_DIR ${CMAKE_BINARY_DIR}/dist/FoldVen)
# Signs programs in place (Authenticode, SHA-256): tools/signing/sign.sh says where the certificate comes from.
set(FV_SIGN ${CMAKE_CURRENT_LIST_DIR}/../tools/signing/sign.sh)
if(FV_WINDOWS)
    find_program(FV_OSSLSIGNCODE osslsigncode REQUIRED)
endif()

# GoogleTest is built from Debian's sources so that the same framework serves the native, sanitizer
# and mingw builds.
macro(fv_add_googletest)
    set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
endmacro()

macro(fv_apply_project_flags)
    add_compile_options(-Wall -Wextra)
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
        # Sources are UTF-8; every narrow literal reaches the programs as Korean code page 949 bytes.
        add_compile_options(-finput-charset=UTF-8 -fexec-charset=CP949)
    endif()
    if(FV_WINDOWS)
        add_compile_definitions(WINVER=0x0601 _WIN32_WINNT=0x0601 NOMINMAX WIN32_LEAN_AND_MEAN)
        add_link_options(-static -static-libgcc -static-libstdc++)
    endif()
    if(FV_SANITIZE)
        add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
        add_link_options(-fsanitize=address,undefined)
    endif()
    if(FV_FUZZ)
        add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
        add_link_options(-fsanitize=address,undefined)
    endif()
    include_directories(${PROJECT_SOURCE_DIR})
endmacro()

# fv_test(NAME SOURCES ... LIBS ... [LABEL core|win|e2e])
# Native tests run directly; in the mingw build ctest runs them under Wine through the emulator script.
function(fv_test name)
    cmake_parse_arguments(A "" "LABEL" "SOURCES;LIBS" ${ARGN})
    if(NOT A_LABEL)
        if(FV_WINDOWS)
            set(A_LABEL win)
        else()
            set(A_LABEL core)
        endif()
    endif()
    add_executable(${name} ${A_SOURCES})
    target_link_libraries(${name} PRIVATE ${A_LIBS} gmock gtest_main)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES LABELS ${A_LABEL} TIMEOUT 600)
endfunction()

# Copies a program into the install-folder image dist/FoldVen/ after it is linked, and signs the copy.
function(fv_install_to_dist target)
    cmake_parse_arguments(A "" "SUBDIR" "" ${ARGN})
    set(dest ${FV_DIST_DIR})
    if(A_SUBDIR)
        set(dest ${FV_DIST_DIR}/${A_SUBDIR})
    endif()
    # The build keeps its debug information; what users download and install goes without it.
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND ${CMAKE_COMMAND} -E make_directory ${dest}
        COMMAND ${CMAKE_STRIP} --strip-debug -o ${dest}/$<TARGET_FILE_NAME:${target}> $<TARGET_FILE:${target}>
        COMMAND ${FV_SIGN} ${dest}/$<TARGET_FILE_NAME:${target}>)
endfunction()

# Resource scripts are written in UTF-8 like every source; every .rc piece of the folder is converted to
# code page 949 and the main one is compiled with windres -c 949, so dialogs, menus and string tables
# carry the right Korean text.
function(fv_add_resources target rc_file)
    get_filename_component(rc_abs ${rc_file} ABSOLUTE)
    get_filename_component(rc_dir ${rc_abs} DIRECTORY)
    get_filename_component(rc_name ${rc_abs} NAME)
    set(out_dir ${CMAKE_CURRENT_BINARY_DIR}/rc949)
    set(out_obj ${CMAKE_CURRENT_BINARY_DIR}/${rc_name}.res.o)
    file(GLOB_RECURSE rc_deps ${rc_dir}/*.rc ${rc_dir}/*.h ${rc_dir}/*.bmp ${rc_dir}/*.ico ${rc_dir}/*.cur
        ${rc_dir}/*.manifest)
    add_custom_command(OUTPUT ${out_obj}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${out_dir}
        COMMAND sh -c "for f in *.rc; do iconv -f UTF-8 -t CP949 \"$f\" -o \"${out_dir}/$f\" || exit 1; done"
        COMMAND ${CMAKE_RC_COMPILER} -c 949 -I ${out_dir} -I ${rc_dir} -I ${PROJECT_SOURCE_DIR}
                -i ${out_dir}/${rc_name} -o ${out_obj}
        WORKING_DIRECTORY ${rc_dir}
        DEPENDS ${rc_deps}
        VERBATIM
        COMMENT "Compiling resources ${rc_name} (code page 949)")
    target_sources(${target} PRIVATE ${out_obj})
endfunction()
