# The Windows build (cross-compiled with MinGW-w64, run under Wine). Included
# by the top CMakeLists.txt in place of the Linux packages it finds.

# No runtime DLL of the compiler may follow the binaries onto a till: the C++
# runtime, libgcc and winpthread are linked in. So each module unwinds with
# its own copy of libgcc, and a 32-bit exception cannot leave the module that
# threw it: nothing throws across a module boundary (exports catch, scenario
# parsing is linked into whoever parses). Nor may the stand-in use the
# runtime DLLs: a static module loaded where libgcc_s_dw2-1.dll already is
# registers its unwind tables there, and then its own exceptions are lost.
add_link_options(-static)
# Exports and imports by their plain names, as the client and its libraries
# name them (no @n decoration of 32-bit __stdcall functions).
add_link_options(-Wl,--kill-at -Wl,--enable-stdcall-fixup)
# A DLL exports its own functions, not the runtime and platform libraries
# linked into it (each binary has its own copy of those).
add_link_options(-Wl,--exclude-libs,libgcc.a:libgcc_eh.a:libstdc++.a:libwinpthread.a:libpthread.a:libmingwex.a:libport.a:libcp1252.a:libforms.a:libprofile.a)
# Unicode Win32 entry points (the ...W functions); texts convert at the edges.
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)

# The platform libraries go into each binary: the package may depend on
# nothing but system DLLs and the client's five libraries.
set(ZV_PLATFORM_LIBRARY_TYPE STATIC)

# Header-only libraries from Debian's archive, through a folder that holds
# only them (the host's /usr/include must not reach a Windows compile).
set(ZV_WIN_HEADERS ${CMAKE_BINARY_DIR}/windows-headers)
file(MAKE_DIRECTORY ${ZV_WIN_HEADERS})
foreach(dir nlohmann toml++)
  if(NOT EXISTS ${ZV_WIN_HEADERS}/${dir})
    file(CREATE_LINK /usr/include/${dir} ${ZV_WIN_HEADERS}/${dir} SYMBOLIC)
  endif()
endforeach()
add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
target_include_directories(nlohmann_json::nlohmann_json INTERFACE ${ZV_WIN_HEADERS})
add_library(tomlplusplus::tomlplusplus INTERFACE IMPORTED)
target_include_directories(tomlplusplus::tomlplusplus INTERFACE ${ZV_WIN_HEADERS})
target_compile_definitions(tomlplusplus::tomlplusplus INTERFACE TOML_HEADER_ONLY=1)

# GoogleTest from Debian's source package, built for the target.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
foreach(lib gtest gtest_main gmock)
  if(NOT TARGET GTest::${lib})
    add_library(GTest::${lib} ALIAS ${lib})
  endif()
endforeach()

# Under Wine every process start costs a second or so: each test program is
# one test here (its own runner prints the cases), not one test per case.
function(gtest_discover_tests target)
  cmake_parse_arguments(ZV "NO_PRETTY_VALUES;NO_PRETTY_TYPES" "DISCOVERY_TIMEOUT;DISCOVERY_MODE;TEST_PREFIX"
                        "PROPERTIES;EXTRA_ARGS" ${ARGN})
  add_test(NAME ${target} COMMAND ${target} ${ZV_EXTRA_ARGS})
  if(ZV_PROPERTIES)
    set_tests_properties(${target} PROPERTIES ${ZV_PROPERTIES})
  endif()
endfunction()
set(CMAKE_SHARED_LIBRARY_PREFIX "")
set(CMAKE_IMPORT_LIBRARY_PREFIX "")

# A 32-bit DLL of __stdcall functions exports them by plain name (--kill-at),
# but callers compiled against its header reference Name@n: its import
# library is remade from its exports so that those references import the
# plain names, as they would from the client's real libraries.
function(zv_plain_name_imports target)
  if(NOT CMAKE_SIZEOF_VOID_P EQUAL 4)
    return()
  endif()
  set(written ${CMAKE_CURRENT_BINARY_DIR}/${target}.exports.def)
  set(decorated ${CMAKE_CURRENT_BINARY_DIR}/${target}.decorated.def)
  target_link_options(${target} PRIVATE -Wl,--output-def,${written})
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -DDEF_IN=${written} -DDEF_OUT=${decorated} -P ${PROJECT_SOURCE_DIR}/cmake/PlainNameImports.cmake
    COMMAND ${CMAKE_SYSTEM_PROCESSOR}-dlltool -k -d ${decorated} -D $<TARGET_FILE_NAME:${target}> -l $<TARGET_LINKER_FILE:${target}>
    VERBATIM)
endfunction()

# A VERSIONINFO resource made from project()'s version, compiled by windres
# into the target: `type` is VFT_DLL or VFT_APP.
enable_language(RC)
function(zv_version_resource target description type)
  set(ZV_RC_DESCRIPTION "${description}")
  set(ZV_RC_TYPE ${type})
  string(REPLACE "." "," ZV_RC_COMMAS "${ZV_VERSION_FULL}")
  get_target_property(ZV_RC_NAME ${target} OUTPUT_NAME)
  if(NOT ZV_RC_NAME)
    set(ZV_RC_NAME ${target})
  endif()
  get_target_property(suffix ${target} SUFFIX)
  if(NOT suffix)
    if(type STREQUAL "VFT_DLL")
      set(suffix ${CMAKE_SHARED_LIBRARY_SUFFIX})
    else()
      set(suffix ${CMAKE_EXECUTABLE_SUFFIX})
    endif()
  endif()
  set(ZV_RC_FILE "${ZV_RC_NAME}${suffix}")
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}.version.rc)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/VersionInfo.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
endfunction()

# What goes onto a till carries no debug information nor symbol table: both move to TARGET.debug
# beside the file, which the file names (.gnu_debuglink) so a debugger or
# addr2line can still turn a crash address into a function and a line.
function(zv_split_debug target)
  set(objcopy ${CMAKE_SYSTEM_PROCESSOR}-objcopy)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${objcopy} --only-keep-debug $<TARGET_FILE:${target}> $<TARGET_FILE:${target}>.debug
    COMMAND ${objcopy} --strip-all --add-gnu-debuglink=$<TARGET_FILE:${target}>.debug $<TARGET_FILE:${target}>
    WORKING_DIRECTORY $<TARGET_FILE_DIR:${target}>
    VERBATIM)
endfunction()

include(${CMAKE_CURRENT_LIST_DIR}/Release.cmake)
