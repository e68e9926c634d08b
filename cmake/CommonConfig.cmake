# One interface target carries the language standard, warnings and Qt defines for every target.
add_library(quintel_common INTERFACE)
target_compile_features(quintel_common INTERFACE cxx_std_20)
target_compile_options(quintel_common INTERFACE -Wall -Wextra -Wpedantic)
if(DEFINED ENV{CI})
    target_compile_options(quintel_common INTERFACE -Werror)
endif()
target_compile_definitions(quintel_common INTERFACE
    QT_NO_CAST_FROM_ASCII
    QT_NO_CONTEXTLESS_CONNECT
    QUINTEL_VERSION_MAJOR=${PROJECT_VERSION_MAJOR}
    QUINTEL_VERSION_MINOR=${PROJECT_VERSION_MINOR}
    QUINTEL_VERSION_TEXT="${PROJECT_VERSION}")
if(QUINTEL_SANITIZE)
    target_compile_options(quintel_common INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer)
    target_link_options(quintel_common INTERFACE -fsanitize=address,undefined)
endif()
