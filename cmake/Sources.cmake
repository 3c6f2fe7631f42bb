# Which source files belong to which target.
#
# The core library is every .cpp under world/, assets/, config/, gamebuild/ and
# platform/ except the editor's widgets: files named *_dialog.cpp, *_view.cpp,
# *_widget.cpp or qt_*.cpp belong to the editor, together with app/.

set(TARNWICK_CORE_DIRS world assets config gamebuild platform)

function(tarnwick_is_editor_file path out)
  get_filename_component(name ${path} NAME)
  if(name MATCHES "_dialog\\.cpp$|_view\\.cpp$|_widget\\.cpp$|^qt_")
    set(${out} TRUE PARENT_SCOPE)
  else()
    set(${out} FALSE PARENT_SCOPE)
  endif()
endfunction()

function(tarnwick_core_sources out)
  set(result)
  foreach(dir ${TARNWICK_CORE_DIRS})
    file(GLOB files CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp)
    foreach(f ${files})
      tarnwick_is_editor_file(${f} is_editor)
      if(NOT is_editor)
        list(APPEND result ${f})
      endif()
    endforeach()
  endforeach()
  set(${out} ${result} PARENT_SCOPE)
endfunction()

function(tarnwick_editor_sources out)
  file(GLOB result CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/app/*.cpp ${CMAKE_SOURCE_DIR}/app/*.h)
  list(FILTER result EXCLUDE REGEX "/app/main\\.cpp$")
  foreach(dir ${TARNWICK_CORE_DIRS})
    file(GLOB files CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp)
    foreach(f ${files})
      tarnwick_is_editor_file(${f} is_editor)
      if(is_editor)
        list(APPEND result ${f})
        string(REGEX REPLACE "\\.cpp$" ".h" header ${f})
        if(EXISTS ${header})
          list(APPEND result ${header})
        endif()
      endif()
    endforeach()
  endforeach()
  set(${out} ${result} PARENT_SCOPE)
endfunction()
