# Compiles two one-line files with the include folder the build gives the
# engine library: one including a project header (the engine may use the
# project), one including a platform header (it may not). The first must
# compile and the second must fail for want of the file, so that the layers
# are the compiler's to enforce, not only the layer check's.
#   cmake -DCXX=<compiler> -DINCLUDE_DIR=<layer-includes/engine> -DWORK=<dir> -P forbidden_include.cmake
file(MAKE_DIRECTORY ${WORK})
file(WRITE ${WORK}/allowed.cpp "#include \"project/Currency.h\"\n")
file(WRITE ${WORK}/forbidden.cpp "#include \"platform/AppPaths.h\"\n")
foreach(name allowed forbidden)
  execute_process(COMMAND ${CXX} -std=c++20 -fsyntax-only -I${INCLUDE_DIR} ${WORK}/${name}.cpp
                  RESULT_VARIABLE ${name}_result ERROR_VARIABLE ${name}_output)
endforeach()
if(NOT allowed_result EQUAL 0)
  message(FATAL_ERROR "an allowed include did not compile:\n${allowed_output}")
endif()
if(forbidden_result EQUAL 0)
  message(FATAL_ERROR "the engine compiled an include of the platform folder")
endif()
if(NOT forbidden_output MATCHES "platform/AppPaths.h: No such file")
  message(FATAL_ERROR "the forbidden include failed for another reason:\n${forbidden_output}")
endif()
