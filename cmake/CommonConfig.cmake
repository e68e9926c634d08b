# One interface target carries the language standard, warnings and Qt defines for every target.
set(CMAKE_CXX_EXTENSIONS OFF)

if(DEFINED ENV{CI})
    set(_quintel_werror_default ON)
else()
    set(_quintel_werror_default OFF)
endif()
option(QUINTEL_WERROR "Treat compiler warnings as errors (on in CI)" ${_quintel_werror_default})

add_library(quintel_common INTERFACE)
target_compile_features(quintel_common INTERFACE cxx_std_20)
target_compile_options(quintel_common INTERFACE
    -Wall -Wextra -Wpedantic
    -Wold-style-cast -Woverloaded-virtual -Wnon-virtual-dtor)
if(QUINTEL_WERROR)
    target_compile_options(quintel_common INTERFACE -Werror)
endif()
target_compile_definitions(quintel_common INTERFACE
    QT_NO_CAST_FROM_ASCII
    QT_NO_CAST_TO_ASCII
    QT_NO_CAST_FROM_BYTEARRAY
    QT_NO_CONTEXTLESS_CONNECT
    QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
    QT_USE_QSTRINGBUILDER
    QUINTEL_VERSION_MAJOR=${PROJECT_VERSION_MAJOR}
    QUINTEL_VERSION_MINOR=${PROJECT_VERSION_MINOR}
    QUINTEL_VERSION_TEXT="${PROJECT_VERSION}")
if(QUINTEL_SANITIZE)
    target_compile_options(quintel_common INTERFACE
        -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
    target_link_options(quintel_common INTERFACE -fsanitize=address,undefined -fno-sanitize-recover=undefined)
endif()
