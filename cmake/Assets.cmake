# Pictures: SVG sources rasterised into PNG files beside the program.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
set(BRELLON_ART_DIR ${CMAKE_SOURCE_DIR}/assets/art CACHE PATH "Folder of the SVG picture sources")
set(BRELLON_PICTURES
  "title 640 480" "ending 640 480"
  "chr_0 128 176" "chr_1 128 176" "chr_2 128 176" "chr_3 128 176"
  "chr_4 128 176" "chr_5 128 176" "chr_6 128 176" "chr_7 128 176"
  "waza_0 256 192" "waza_1 256 192" "waza_2 256 192" "waza_3 256 192"
  "ring_0 80 145" "ring_1 80 145" "ring_2 80 145" "ring_3 80 145")
set(BRELLON_PICTURE_FILES)
foreach(entry IN LISTS BRELLON_PICTURES)
  separate_arguments(parts UNIX_COMMAND "${entry}")
  list(GET parts 0 name)
  list(GET parts 1 w)
  list(GET parts 2 h)
  set(src ${BRELLON_ART_DIR}/${name}.svg)
  if(NOT EXISTS ${src})
    message(FATAL_ERROR "missing picture source ${src}")
  endif()
  set(out ${BRELLON_DATA_DIR}/pics/${name}.png)
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${BRELLON_DATA_DIR}/pics
    COMMAND ${RSVG_CONVERT} -w ${w} -h ${h} -b white ${src} -o ${out}
    DEPENDS ${src}
    COMMENT "Drawing ${name}.png")
  list(APPEND BRELLON_PICTURE_FILES ${out})
endforeach()
add_custom_target(pictures ALL DEPENDS ${BRELLON_PICTURE_FILES})

# Sounds and music, synthesised and compiled from our own sources.
foreach(tool sfx midi)
  if(EXISTS ${CMAKE_SOURCE_DIR}/tools/${tool}/CMakeLists.txt)
    add_subdirectory(tools/${tool})
  endif()
endforeach()
