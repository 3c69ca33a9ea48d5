# Warnings and sanitizers for every target of the project, set in one place.
option(TIKO_WERROR "Treat warnings as errors" OFF)
option(TIKO_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

add_compile_options(-Wall -Wextra)
# GCC 12 reports std::string concatenations as overlapping copies at -O2 and above (a known false
# positive of its -Wrestrict).
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  add_compile_options(-Wno-restrict)
endif()
if(TIKO_WERROR)
  add_compile_options(-Werror)
endif()

if(TIKO_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

# A library of the project: sources in the folder, headers found from the project root.
function(tiko_library name)
  add_library(${name} STATIC ${ARGN})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
endfunction()
