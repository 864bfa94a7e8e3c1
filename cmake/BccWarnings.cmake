# Warnings are errors for the project's own targets; third-party headers come in
# as system includes and are not held to them.
function(bcc_set_warnings target)
    target_compile_options(${target} PRIVATE
        -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
        -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual -Werror)
endfunction()
