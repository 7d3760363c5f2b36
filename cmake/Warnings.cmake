# Compiler settings shared by every target of the project's own code.
add_library(tallyworth_options INTERFACE)
target_compile_options(tallyworth_options INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion -Wold-style-cast
  -Wnon-virtual-dtor -Woverloaded-virtual)
if(TALLYWORTH_WERROR)
  target_compile_options(tallyworth_options INTERFACE -Werror)
endif()
if(TALLYWORTH_SANITIZE)
  target_compile_options(tallyworth_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(tallyworth_options INTERFACE -fsanitize=address,undefined)
endif()
target_include_directories(tallyworth_options INTERFACE
  ${PROJECT_SOURCE_DIR}/src ${PROJECT_BINARY_DIR}/generated)
