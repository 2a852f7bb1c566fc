# The folders of the suite are layers: each is its own library and may use only the layers it
# links. To make that hold for headers too, no target sees the source tree as a whole: each layer
# publishes its folders through a folder of symbolic links in the build tree
# (build/layers/<target>/<folder> -> <source>/<folder>), and a target reaches the headers of the
# layers it links and of no others. An include that runs up the order therefore does not build.

set(ZELVO_LAYER_ROOT ${CMAKE_BINARY_DIR}/layers)

# zelvo_publish_folders(TARGET folder...): makes "folder/X.h" includable by TARGET and by every
# target that links it.
function(zelvo_publish_folders target)
  foreach(folder ${ARGN})
    set(link ${ZELVO_LAYER_ROOT}/${target}/${folder})
    get_filename_component(parent ${link} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${folder} ${link} SYMBOLIC)
  endforeach()
  get_target_property(kind ${target} TYPE)
  if(kind STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE ${ZELVO_LAYER_ROOT}/${target})
  else()
    target_include_directories(${target} PUBLIC ${ZELVO_LAYER_ROOT}/${target})
  endif()
endfunction()

# zelvo_core_layer(NAME FOLDERS f... [DEPENDS t...]): a static library of the sources directly in
# the folders (not their qt/ subfolders), linked to the layers below it.
function(zelvo_core_layer name)
  cmake_parse_arguments(L "" "" "FOLDERS;DEPENDS" ${ARGN})
  set(sources)
  foreach(folder ${L_FOLDERS})
    file(GLOB found CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${folder}/*.cpp ${CMAKE_SOURCE_DIR}/${folder}/*.h)
    list(APPEND sources ${found})
  endforeach()
  add_library(${name} STATIC ${sources})
  target_link_libraries(${name} PUBLIC ${L_DEPENDS})
  zelvo_publish_folders(${name} ${L_FOLDERS})
endfunction()
