# VEMORA_SANITIZE=ON: every file is built with the address and undefined-
# behaviour sanitizers, and a report stops the program with a failure (no
# recovery). scripts/test builds build-asan/ so and runs the offscreen tests
# there. Every program gets the sanitizers' start options
# (SanitizerDefaults.cpp), which name the leak suppressions (lsan.supp).
set(VEMORA_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all)
add_compile_options(${VEMORA_SANITIZER_FLAGS} -fno-omit-frame-pointer)
add_link_options(${VEMORA_SANITIZER_FLAGS})
# Under the sanitizers' instrumentation GCC's flow analysis finds "maybe
# uninitialized" members inside the standard library's own templates
# (std::regex's automaton, std::function); with warnings as errors those
# stay warnings in this build.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  add_compile_options(-Wno-error=maybe-uninitialized)
endif()

# Adds the start options to every program under `dir` and its subfolders;
# called once all targets exist.
function(vemora_add_sanitizer_defaults dir)
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(target ${targets})
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "EXECUTABLE")
      target_sources(${target} PRIVATE ${PROJECT_SOURCE_DIR}/tests/sanitizers/SanitizerDefaults.cpp)
      target_compile_definitions(${target} PRIVATE
        VEMORA_LSAN_SUPPRESSIONS="${PROJECT_SOURCE_DIR}/tests/sanitizers/lsan.supp")
    endif()
  endforeach()
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(subdir ${subdirs})
    vemora_add_sanitizer_defaults(${subdir})
  endforeach()
endfunction()
