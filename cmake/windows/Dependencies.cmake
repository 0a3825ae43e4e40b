# What the Windows build takes from the host, where Debian has no mingw-w64 package of it:
#   - GoogleTest, built from the sources Debian ships (package googletest) with the cross
#     compiler, under the target names find_package(GTest) gives;
#   - CLI11 and nlohmann_json, header only: their headers through a folder of their own, since
#     their package files would put the host's whole /usr/include before the Windows headers.
# Each is then announced through a package file of ours, so that find_package(...) in the
# folders that use them finds the targets defined here.
set(TOLVANE_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest's sources")

set(host_headers ${PROJECT_BINARY_DIR}/host-headers)
set(package_files ${PROJECT_BINARY_DIR}/host-packages)
file(MAKE_DIRECTORY ${host_headers})

# tolvane_host_package(<package> <target> [<header folder under /usr/include>...])
function(tolvane_host_package package target)
    foreach(folder ${ARGN})
        if(NOT EXISTS /usr/include/${folder})
            message(FATAL_ERROR "/usr/include/${folder} is missing: scripts/deps.sh installs it")
        endif()
        file(CREATE_LINK /usr/include/${folder} ${host_headers}/${folder} SYMBOLIC)
    endforeach()
    if(ARGN AND NOT TARGET ${target})
        add_library(${target} INTERFACE IMPORTED GLOBAL)
        target_include_directories(${target} SYSTEM INTERFACE ${host_headers})
    endif()
    file(WRITE ${package_files}/${package}/${package}Config.cmake
         "# The targets were defined by cmake/windows/Dependencies.cmake.\n")
    set(${package}_DIR ${package_files}/${package} CACHE PATH "" FORCE)
endfunction()

if(TOLVANE_BUILD_TESTS)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
    add_subdirectory(${TOLVANE_GOOGLETEST_SOURCE} ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    foreach(library gtest gtest_main gmock gmock_main)
        if(NOT TARGET GTest::${library})
            add_library(GTest::${library} ALIAS ${library})
        endif()
    endforeach()
    tolvane_host_package(GTest GTest::gtest)
endif()
tolvane_host_package(CLI11 CLI11::CLI11 CLI)
tolvane_host_package(nlohmann_json nlohmann_json::nlohmann_json nlohmann)
# find_package(nlohmann_json 3) asks for a version: the host package's own answer holds.
configure_file(/usr/share/cmake/nlohmann_json/nlohmann_jsonConfigVersion.cmake
               ${package_files}/nlohmann_json/nlohmann_jsonConfigVersion.cmake COPYONLY)

# Every program and library of the build in one folder, with the compiler's run-time libraries
# beside them, so that a program starts from there as it does from the ZIP.
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/bin)
set(TOLVANE_MINGW_RUNTIME_DLLS)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                    OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${found}" OR NOT EXISTS "${found}")
        message(FATAL_ERROR "The compiler's run-time library ${dll} was not found")
    endif()
    file(COPY ${found} DESTINATION ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
    list(APPEND TOLVANE_MINGW_RUNTIME_DLLS ${found})
endforeach()
