# Warning and sanitizer flags, applied per target so third-party code is left alone.
function(somatra_set_flags target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
    if(SOMATRA_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
    if(SOMATRA_SANITIZE)
        target_compile_options(${target} PRIVATE
            -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
        # PUBLIC: whatever links a sanitized static library needs the sanitizer runtimes.
        target_link_options(${target} PUBLIC -fsanitize=address,undefined)
    endif()
endfunction()
