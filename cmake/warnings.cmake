# Warning and sanitizer flags, applied per target so third-party code is left alone.
function(somatra_set_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
    if(SOMATRA_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()

if(SOMATRA_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()
