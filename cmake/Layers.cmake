# The layers of src/. The README's layout table says which folders each
# folder of src/ may include (test_layers reads the same table). Each
# library compiles with an include folder of its own in the build tree that
# holds links to those folders only, so an include of any other folder fails
# to compile. Targets outside src/ (tests, tools, benchmarks, fuzz targets)
# include the whole of src/ through their own folders' include_directories.

file(READ ${PROJECT_SOURCE_DIR}/README.md vemora_readme)
string(REPLACE ";" "," vemora_readme "${vemora_readme}")
string(REPLACE "\n" ";" vemora_readme_lines "${vemora_readme}")
set(VEMORA_LAYER_FOLDERS "")
foreach(line IN LISTS vemora_readme_lines)
  if(line MATCHES "^\\|[ ]*`src/([a-z]+)`[ ]*\\|.*\\|([^|]*)\\|[ ]*$")
    set(folder ${CMAKE_MATCH_1})
    string(REGEX MATCHALL "`[a-z]+`" uses "${CMAKE_MATCH_2}")
    string(REPLACE "`" "" uses "${uses}")
    set(VEMORA_LAYER_USES_${folder} ${uses})
    list(APPEND VEMORA_LAYER_FOLDERS ${folder})
  endif()
endforeach()

# The include folder of src/`folder`: links to itself and to each folder its
# row lets it use.
function(vemora_layer_include_dir folder out)
  list(FIND VEMORA_LAYER_FOLDERS ${folder} row)
  if(row EQUAL -1)
    message(FATAL_ERROR "src/${folder} has no row in the README's layout table")
  endif()
  set(dir ${PROJECT_BINARY_DIR}/layer-includes/${folder})
  file(REMOVE_RECURSE ${dir})
  file(MAKE_DIRECTORY ${dir})
  foreach(used ${folder} ${VEMORA_LAYER_USES_${folder}})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${used} ${dir}/${used} SYMBOLIC)
  endforeach()
  set(${out} ${dir} PARENT_SCOPE)
endfunction()

# Compiles `target` with only what src/`folder` may include.
function(vemora_layer_includes target folder)
  vemora_layer_include_dir(${folder} dir)
  target_include_directories(${target} PRIVATE ${dir})
endfunction()
