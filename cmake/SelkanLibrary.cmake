# selkan_layer_library(NAME [DEPS ...]): a static library made of the .cpp
# files directly in the current source folder, with the repository root on
# the include path so that headers are included as "model/tone_table.h".
function(selkan_layer_library name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(sources)
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  else()  # a layer of headers only, so far
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${ARG_DEPS})
  endif()
endfunction()

# selkan_qt_library(NAME [DEPS ...]): a static library of the .cpp and .ui
# files directly in the current source folder (a layer's qt/ folder).
function(selkan_qt_library name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp
       ${CMAKE_CURRENT_SOURCE_DIR}/*.h ${CMAKE_CURRENT_SOURCE_DIR}/*.ui
       ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
  list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  # Under Ninja the moc and uic step runs again only when a file it read
  # last time changes, so a .ui file (and the source that includes it) new
  # to an existing build folder, as after a pull, would go unseen and the
  # build fail. When the folder's list of files changes, forget that run.
  string(SHA1 listed "${sources}")
  if(NOT listed STREQUAL "${SELKAN_AUTOGEN_INPUTS_${name}}")
    file(REMOVE ${CMAKE_CURRENT_BINARY_DIR}/${name}_autogen/timestamp)
    set(SELKAN_AUTOGEN_INPUTS_${name} "${listed}" CACHE INTERNAL "")
  endif()
endfunction()
