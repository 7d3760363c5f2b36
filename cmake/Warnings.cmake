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

# Qt's string and connection hygiene for the program's own libraries: no implicit
# conversions between QString and 8-bit strings, no connections without a receiver
# context, and no lower-case keyword macros (signals, slots, emit).
add_library(tallyworth_qt_hygiene INTERFACE)
target_compile_definitions(tallyworth_qt_hygiene INTERFACE
  QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_CONTEXTLESS_CONNECT QT_NO_KEYWORDS)
