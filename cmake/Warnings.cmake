# Warning set shared by every target of the project.
function(tolvane_set_warnings target)
    target_compile_options(${target} PRIVATE
        -Wall -Wextra -Wpedantic -Wshadow -Wconversion
        -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual
        -Wimplicit-fallthrough -Wformat=2
        # No function may put more than 256 KiB on its stack: a thread has 1 MiB on Windows, and
        # the keyboard image (over 1 MiB) must always live on the heap. With -Werror (CI) this
        # refuses a KeyboardImage, or anything holding one, as a local variable.
        -Wframe-larger-than=262144)
    # Clang's -Wconversion also warns on every int index into std::array; GCC's, which the
    # code is held to, does not. Keep the two compilers to the same set.
    if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        target_compile_options(${target} PRIVATE -Wno-sign-conversion)
    endif()
    if(TOLVANE_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()
