# cmake -DEXAMPLES=<folder> -DPROJECTS=<folder> -P CopyExamples.cmake
# Copies each example project (*.kpj of EXAMPLES) into the program's Projects
# folder where no file of its name is there yet. Users keep their own projects
# in that folder and may change the examples: nothing there is ever
# overwritten or removed.
file(MAKE_DIRECTORY "${PROJECTS}")
file(GLOB examples "${EXAMPLES}/*.kpj")
foreach(example IN LISTS examples)
  get_filename_component(name "${example}" NAME)
  if(NOT EXISTS "${PROJECTS}/${name}" AND NOT IS_SYMLINK "${PROJECTS}/${name}")
    file(COPY "${example}" DESTINATION "${PROJECTS}")
  endif()
endforeach()
