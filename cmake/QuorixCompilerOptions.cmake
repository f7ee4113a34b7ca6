# Warnings, sanitizers and ccache for every target of the project.

find_program(QUORIX_CCACHE ccache)
if(QUORIX_CCACHE AND NOT CMAKE_CXX_COMPILER_LAUNCHER)
    set(CMAKE_CXX_COMPILER_LAUNCHER "${QUORIX_CCACHE}")
endif()

add_compile_options(-Wall -Wextra -Wpedantic)
if(QUORIX_WERROR)
    add_compile_options(-Werror)
endif()

if(QUORIX_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined -fno-sanitize-recover=all)
endif()

