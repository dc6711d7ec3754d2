include_guard(GLOBAL)

# Strict warnings for Levora's own targets only; whoever embeds the engine keeps
# their own flags. LEVORA_WARNINGS_AS_ERRORS (on in CI) turns them into errors.
function(levora_target_warnings target)
    if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
        target_compile_options(${target} PRIVATE
            -Wall -Wextra -Wpedantic -Wconversion -Wsign-conversion -Wshadow
            -Wold-style-cast -Wnon-virtual-dtor -Woverloaded-virtual -Wcast-align
            -Wnull-dereference -Wdouble-promotion -Wimplicit-fallthrough)
        if(LEVORA_WARNINGS_AS_ERRORS)
            target_compile_options(${target} PRIVATE -Werror)
        endif()
    elseif(MSVC)
        target_compile_options(${target} PRIVATE /W4 $<$<BOOL:${LEVORA_WARNINGS_AS_ERRORS}>:/WX>)
    endif()
endfunction()

# The model's arithmetic is specified operation by operation in IEEE double:
# no fused multiply-add and no reassociation may change a result's last bit.
function(levora_target_strict_float target)
    if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
        target_compile_options(${target} PRIVATE -ffp-contract=off -fno-fast-math)
    elseif(MSVC)
        target_compile_options(${target} PRIVATE /fp:precise)
    endif()
endfunction()
