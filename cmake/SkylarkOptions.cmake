# One INTERFACE target carrying the language level, warnings, Qt defines and sanitizers
# for every target of the project.
option(SKYLARK_WERROR "Treat compiler warnings as errors" OFF)
option(SKYLARK_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(SKYLARK_FUZZ "Build only the libraries and the libFuzzer targets (clang)" OFF)

add_library(skylark_options INTERFACE)
target_compile_features(skylark_options INTERFACE cxx_std_20)
target_compile_options(skylark_options INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wold-style-cast -Wnon-virtual-dtor)
target_compile_definitions(skylark_options INTERFACE
    QT_NO_CAST_FROM_ASCII
    QT_NO_CONTEXTLESS_CONNECT
    QT_NO_NARROWING_CONVERSIONS_IN_CONNECT)
if(SKYLARK_WERROR)
    target_compile_options(skylark_options INTERFACE -Werror)
endif()
if(SKYLARK_SANITIZE)
    target_compile_options(skylark_options INTERFACE
        -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
    target_link_options(skylark_options INTERFACE -fsanitize=address,undefined)
endif()
if(SKYLARK_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "SKYLARK_FUZZ needs clang: configure with CXX=clang++")
    endif()
    # The libraries get the coverage instrumentation; the fuzz targets add the fuzzer's main.
    # -O1 keeps the stacks readable and runs several times more inputs than -O0.
    target_compile_options(skylark_options INTERFACE -fsanitize=fuzzer-no-link -O1)
    if(NOT SKYLARK_SANITIZE)
        target_compile_options(skylark_options INTERFACE
            -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
        target_link_options(skylark_options INTERFACE -fsanitize=address,undefined)
    endif()
endif()
